// The program's version, in the one place every window, tool and plug-in event reads it.
#pragma once

#include <string_view>

namespace kiova {

inline constexpr std::string_view kVersion = "2.11.05";

}  // namespace kiova

// The per-user base folders of the XDG base-directory convention.
#pragma once

#include <filesystem>

namespace kiova {

// $`variable` when it holds an absolute path, else `under_home` inside the home folder ($HOME,
// else the user's entry in the password database); empty when there is no home folder either.
std::filesystem::path XdgBaseFolder(const char* variable, const char* under_home);

}  // namespace kiova

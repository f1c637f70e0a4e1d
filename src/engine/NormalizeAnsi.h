// NormalizeText applied to ANSI text, without going through UTF-16: the result is byte for byte
// what converting to UTF-16, normalising and converting back gives, bad bytes included.
#pragma once

#include <string>
#include <string_view>

#include "CodePage.h"

namespace kiova {

std::string NormalizeAnsi(std::string_view text, int code_page = CodePage());

}  // namespace kiova

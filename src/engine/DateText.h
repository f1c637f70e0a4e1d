// Date-time values as text, with the fixed conventions the character data expect: "/" between
// the parts of a date, ":" between those of a time, hours 0 to 23.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "DateTime.h"

namespace kiova {

// `pattern` holds "yyyy" (four-digit year), "mm", "dd", "hh", "nn", "ss" (two digits) and "m",
// "d", "h", "n", "s" (no leading zero); every other character is copied as it is.
std::string FormatDateTime(std::string_view pattern, TDateTime value);

// "yyyy/m/d", "yyyy/m/d h:n", "yyyy/m/d h:n:s", "h:n" or "h:n:s" (blanks around are allowed; a
// time alone falls on day 0). Nothing when the text is none of these or names no real date.
std::optional<TDateTime> ParseDateTime(std::string_view text);
// "yyyy/m/d" alone.
std::optional<TDateTime> ParseDate(std::string_view text);

}  // namespace kiova

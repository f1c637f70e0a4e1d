// Arguments written in a character's data as one Windows command line, split into an argument
// vector the way the Windows C runtime splits it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kiova {

// Blanks (space, tab) separate arguments outside double quotes; a double quote starts or ends
// a quoted part ("" inside one stands for a quote); 2n backslashes before a quote give n
// backslashes and the quote keeps its meaning, 2n+1 give n backslashes and a literal quote;
// other backslashes are literal. "" alone is an empty argument.
std::vector<std::u16string> SplitCommandLine(std::u16string_view command_line);

}  // namespace kiova

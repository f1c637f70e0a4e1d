// Text from a character (answers, names, about texts, patting actions) as a terminal may show
// it, so that no character can send the terminal escape sequences: a title, the clipboard, a
// cleared screen.
#pragma once

#include <string>
#include <string_view>

namespace kiova {

// UTF-8, every line break (CR LF, CR or LF) a LF, tabs kept, and every other C0 or C1 control
// character made visible: ^[ for ESC, ^? for DEL, ^[[ for the C1 CSI (its 7-bit form).
std::string TerminalText(std::u16string_view text);

}  // namespace kiova

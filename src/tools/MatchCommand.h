// kiova-tool match: tries a pattern on a text with the program's pattern engine.
#pragma once

#include "ToolCommand.h"

namespace kiova::tool {

// match [--code sjis|euc|western|unicode] [--ignore-case] [--hex] PATTERN TEXT
// match [--code ...] [--ignore-case] [--hex] --batch   (cases "PATTERN<TAB>TEXT" on stdin)
// Prints "POSITION LENGTH" per case (1-based bytes, "0 0" for no match) or "error: MESSAGE".
int RunMatchCommand(const Arguments& args);

}  // namespace kiova::tool

// The program folder: KIOVA_HOME when set, otherwise the folder of the running executable.
// It holds Kiova.ini, Plugins.txt, plugins/, SPIs/ and the bundled characters.
#pragma once

#include <string>

namespace kiova {

// ANSI text with a trailing delimiter.
std::string ProgramFolder();

}  // namespace kiova

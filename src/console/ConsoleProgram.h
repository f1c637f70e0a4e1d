// The program on a terminal: the same front end as the windows over TConsoleView, with no
// display, no Qt platform plug-in and no Qt event loop. SIGTERM, SIGINT and the end of input
// close it as the close box does, the farewell printed.
#pragma once

#include <string_view>

namespace kiova {

// `package` is the command line's package path (UTF-8), empty for the first known character;
// `verbose` also reports picture changes. Returns the process's exit status.
int RunConsoleProgram(int& argc, char** argv, std::string_view package, bool verbose);

}  // namespace kiova

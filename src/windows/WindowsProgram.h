// The program in windows: the application object, the main window over the front end,
// start-up, the event loop and shutdown. SIGTERM, SIGINT and the end of the desktop session
// close the program as the close box does, without the farewell's message box.
#pragma once

#include <string_view>

namespace kiova {

// `package` is the command line's package path (UTF-8), empty for the first known character.
// Returns the process's exit status.
int RunWindowsProgram(int& argc, char** argv, std::string_view package);

}  // namespace kiova

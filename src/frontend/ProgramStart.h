// What the windows and the terminal do alike around the front end: the code page and the program
// folder before it starts, the command line's package, and termination signals turned into
// something an event loop can wait for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kiova {

// Sets the pattern engine's character code and chooses the program folder. Nothing when it
// cannot be used; the reason has then been printed on standard error as one line.
std::optional<std::string> PrepareProgramFolder();

// The command line's package (UTF-8) as the character list keeps it: absolute, in the code
// page. Empty stays empty.
std::string PackageArgument(std::string_view package);

// The package a start loads first (ANSI): the command line's (see PackageArgument), else the
// first known character; empty when there is none.
std::string StartPackage(const std::string& program_folder, const std::string& package_argument);

// Whether another process runs `package` (ANSI); if so, one line on standard error says it.
bool RunsElsewhere(const std::string& program_folder, const std::string& package);

// SIGTERM, SIGINT and SIGHUP (the terminal closed, the connection dropped) write a byte to a
// socket instead of ending the process, so that the close runs on the event loop like the close
// box: farewell, end line, state and settings saved. One instance per process.
class TTerminationSignals {
public:
    TTerminationSignals();
    ~TTerminationSignals();
    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;

    // Readable once a signal has arrived; -1 when no socket could be made.
    int Fd() const;
    // Takes the signal's byte off the socket.
    void Acknowledge();
};

}  // namespace kiova

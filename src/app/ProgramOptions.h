// The command line of `kiova`: kiova [--console] [--verbose] [PACKAGE], --help, --version.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace kiova {

struct TProgramOptions {
    enum class EAction { Run, Help, Version };
    EAction action = EAction::Run;
    bool console = false;  // the terminal view instead of the windows
    bool verbose = false;  // the terminal view also reports picture changes
    std::string package;   // as given (UTF-8); empty: the first known character
};

// Throws std::invalid_argument with a one-line message, in the interface's language, for an
// unknown option or a second package.
TProgramOptions ParseProgramOptions(std::span<char* const> arguments);

// The usage text printed by --help, in the interface's language.
std::string ProgramUsage();

// True when the environment names no display (DISPLAY and WAYLAND_DISPLAY both unset or empty).
bool NoDisplay();

}  // namespace kiova

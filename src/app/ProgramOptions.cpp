#include "ProgramOptions.h"

#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "Translation.h"

namespace kiova {
namespace {
constexpr TUiText kProgramUsage{QT_TRANSLATE_NOOP(
    "kiova",
    "usage: kiova [--console] [--verbose] [PACKAGE]\n"
    "\n"
    "Starts Kiova with the character PACKAGE (a .ktc file), or with the first known\n"
    "character when none is given.\n"
    "\n"
    "  --console   talk in the terminal instead of a window (chosen by itself when\n"
    "              there is no display)\n"
    "  --verbose   in the terminal, also report picture changes\n"
    "  --help      print this text\n"
    "  --version   print the version\n")};

// %1: the option as given.
constexpr TUiText kUnknownOption{QT_TRANSLATE_NOOP("kiova", "unknown option \"%1\"")};
constexpr TUiText kSecondPackage{
    QT_TRANSLATE_NOOP("kiova", "only one character package can be given")};

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}
}  // namespace

TProgramOptions ParseProgramOptions(std::span<char* const> arguments) {
    TProgramOptions options;
    bool options_ended = false;
    for (std::string_view argument : arguments) {
        if (!options_ended && argument.starts_with("-") && argument != "-") {
            if (argument == "--help" || argument == "-h")
                options.action = TProgramOptions::EAction::Help;
            else if (argument == "--version")
                options.action = TProgramOptions::EAction::Version;
            else if (argument == "--console")
                options.console = true;
            else if (argument == "--verbose")
                options.verbose = true;
            else if (argument == "--")
                options_ended = true;
            else
                throw std::invalid_argument(TranslatedUtf8(kUnknownOption, argument));
            continue;
        }
        if (!options.package.empty()) throw std::invalid_argument(TranslatedUtf8(kSecondPackage));
        options.package = argument;
    }
    return options;
}

std::string ProgramUsage() {
    return TranslatedUtf8(kProgramUsage);
}

bool NoDisplay() {
    return !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY");
}

}  // namespace kiova

// A line typed on the terminal: text for the character, or one of the terminal's commands,
// which stand in for the window's menu, patting window and dialogs.
#pragma once

#include <string>
#include <string_view>

namespace kiova {

enum class EConsoleCommand { Say, Pat, Change, Profile, Settings, About, Help, Quit, Unknown };

struct TConsoleLine {
    EConsoleCommand command = EConsoleCommand::Say;
    std::string argument;  // Say: the text; Pat: the number, if any; Change: the path, if any;
                           // Unknown: the command as typed

    bool operator==(const TConsoleLine&) const = default;
};

// A line that starts with "/" is a command, its argument the rest after blanks; "//" says the
// rest with one "/". Command names are taken in any case.
TConsoleLine ParseConsoleLine(std::string_view line);

}  // namespace kiova

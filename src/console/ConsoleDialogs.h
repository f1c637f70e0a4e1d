// The dialogs of the windows as terminal conversations, over the same models: the character
// selection as a numbered list, the settings dialog's user page as six questions, the about
// dialog's two pages printed one after the other; and the texts of /profile and /settings.
#pragma once

#include <optional>
#include <string>

#include "ProfileFields.h"

namespace kiova {

class TCharacter;
class TCharacterSelection;
class TConsoleTerminal;
struct TSettings;
struct TUser;

// Lists the rows; the user answers with a row's number (OK), a package path (browsed to, then
// chosen) or an empty line (Cancel). The end of input cancels.
void RunConsoleSelection(TConsoleTerminal& terminal, TCharacterSelection& selection);

// Asks the six fields, starting from `current`, until they pass the settings dialog's check
// (its messages are shown). Nothing when input ends first.
std::optional<TProfileFields> AskProfile(TConsoleTerminal& terminal, TProfileFields current);

// The about dialog's program page, then its character page.
std::string AboutText(TCharacter* character);
std::string ProfileText(const TUser& user);
std::string SettingsText(const TSettings& settings);

}  // namespace kiova

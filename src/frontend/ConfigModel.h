// The settings dialog without the dialog: what it shows when it opens, the plug-in lists of its
// last page, and what OK applies, in order. The windows and the terminal view both draw it.
//
//   TConfigValues values = ReadConfigValues(front_end);
//   ... the user edits values; OK and Cancel both need ProfileProblem(values.profile) empty ...
//   ApplyConfigValues(front_end, values, ProgramFileAssociation());  // OK
#pragma once

#include <string>
#include <vector>

#include "ProfileFields.h"
#include "Settings.h"

namespace kiova {

class TFileAssociation;
class TFrontEnd;
class TPluginListBase;

// The interval's up-down control steps within [kIntervalStepMin, kIntervalStepMax]; a longer
// interval from the settings file (its edit holds four digits) is shown and kept as it is.
inline constexpr int kIntervalStepMin = 1;
inline constexpr int kIntervalStepMax = 1000;
inline constexpr int kIntervalShownMax = 9999;

// The pages in their order; a profile problem always switches to the user page.
enum class EConfigPage { General, User, Plugin };

struct TConfigValues {
    // General page.
    std::string font_name;            // UTF-8
    int font_size = 9;                // points
    int interval = kDefaultInterval;  // milliseconds
    bool associate = false;
    bool desktop_mode = false;
    bool keep_log = true;
    bool play_sound = true;
    bool allow_execute = false;
    // User page.
    TProfileFields profile;
    // Plug-in page.
    bool plugins_enabled = false;
};

// The front end's font, interval, profile and switches, with the association and the
// permission to run programs as the settings file holds them.
TConfigValues ReadConfigValues(const TFrontEnd& front_end);

// OK, once the profile is valid: the font; the interval when it is a whole number above 0 and
// below 10000; the profile; the switches; the three keys of the dialog written to the settings
// file at once; then the file association. When that fails, everything before it stays applied
// and EAssociationError tells why.
void ApplyConfigValues(TFrontEnd& front_end, const TConfigValues& values,
                       const TFileAssociation& association);

// One line of a plug-in list: information string 0, " / ", information string 2; and string 3,
// shown below the list while the line is selected.
struct TPluginEntry {
    std::u16string caption;
    std::u16string description;
};
std::vector<TPluginEntry> PluginEntries(const TPluginListBase& plugins);
// The loaded character's basic plug-ins; nothing when no character is loaded.
TPluginListBase* BasicPlugins(TFrontEnd& front_end);

}  // namespace kiova

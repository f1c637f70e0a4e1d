// The settings file "Kiova.ini": every key the main window reads and writes, with its default.
// Section "Character" belongs to the character list and "Main"/"ExtensionChar" to the settings
// dialog; writing keeps them, like every other key not named here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ProgramFolder.h"  // kSettingsFileName

namespace kiova {

inline constexpr int kDefaultInterval = 55;

struct TSettings {
    int top = -1;  // window position; out of the screen means centred
    int left = -1;
    bool stay_on_top = false;
    // Desktop mode: the character on the desktop rather than in the classic window, and where
    // it stands; a missing or garbled place is none, and none is never written.
    bool desktop_mode = false;
    std::optional<int> desktop_left;
    std::optional<int> desktop_top;
    bool play_sound = true;
    bool keep_log = true;
    std::string font_name;            // UTF-8; "ＭＳ ゴシック" by default
    int font_size = 9;                // points
    int interval = kDefaultInterval;  // output interval in milliseconds
    bool plugins_enabled = false;
    bool allow_execute = false;
    std::string user_profile;  // lines joined with CR LF ("{BR}" in the file)

    TSettings();
};

// The keys the settings dialog itself reads when it opens and writes, all at once, on OK.
struct TConfigKeys {
    bool associate = false;        // "Main"/"ExtensionChar": the .ktc file association is wanted
    bool allow_execute = false;    // "Main"/"AllowExecute"
    bool plugins_enabled = false;  // "Main"/"Plugin"
};

// A missing file or key gives the default. Booleans are integers, non-zero meaning true; an
// interval below 1 is read as 55.
TSettings ReadSettings(std::string_view path);
// Changes in the file the keys whose values differ between `settings` and `as_read` (what this
// process read or last wrote), and adds those it lacks, keeping all others: what another
// process of the same program folder wrote meanwhile stays unless this one changed the same
// key. Throws std::runtime_error.
void WriteSettings(std::string_view path, const TSettings& settings, const TSettings& as_read);

TConfigKeys ReadConfigKeys(std::string_view path);
// Changes the three keys in the file, keeping all others. Throws std::runtime_error.
void WriteConfigKeys(std::string_view path, const TConfigKeys& keys);

}  // namespace kiova

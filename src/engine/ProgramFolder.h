// The program folder: where the settings file, the character list, Plugins.txt and the logs
// live. One choice, made the same way by every program, in this order:
//   1. KIOVA_HOME when it is set;
//   2. the executable's folder when it is a portable program folder, one that holds Kiova.ini
//      (a folder copied from elsewhere) or the marker file Kiova.portable (the build's folder);
//   3. the per-user folder $XDG_DATA_HOME/kiova/ (~/.local/share/kiova/ by default), created
//      with mode 0700 on the first start and given the installed demo characters.
// A chosen folder that cannot be used is an error, never a reason to try the next one, so a
// user's settings are not silently left behind.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "KiovaError.h"

namespace kiova {

inline constexpr std::string_view kSettingsFileName = "Kiova.ini";
inline constexpr std::string_view kPortableMarker = "Kiova.portable";

enum class EProgramFolderChoice { KiovaHome, Portable, PerUser };

struct TProgramFolder {
    std::string path;  // ANSI, with a trailing delimiter
    EProgramFolderChoice choice;
    std::string reason;  // UTF-8, for people: why this folder
};

// What the choice looks at. ProgramFolderPlaces() takes it from the environment and the
// running executable; tests make their own.
struct TProgramFolderPlaces {
    std::optional<std::filesystem::path> kiova_home;  // set and not empty
    std::filesystem::path executable_folder;
    std::filesystem::path per_user;         // empty when no home folder is known
    std::filesystem::path demo_characters;  // what a new per-user folder gets
    // The interface's language (ISO 639-1): a new per-user folder lists the demo characters
    // who speak it first.
    std::string interface_language = "ja";
};

// The folder is missing, not a folder, not writable, or cannot be created; the message says
// which folder and why, in UTF-8.
class EProgramFolderError : public EKiovaError {
public:
    using EKiovaError::EKiovaError;
};

TProgramFolderPlaces ProgramFolderPlaces();

// Decides, creates and seeds the per-user folder when it is the one, and checks that the
// folder can be written. Throws EProgramFolderError.
TProgramFolder ChooseProgramFolder(const TProgramFolderPlaces& places);

// The same choice for a query, which writes nothing: the per-user folder is neither created
// nor seeded and may not exist yet. Throws EProgramFolderError as ChooseProgramFolder does for
// KIOVA_HOME and the portable folder.
TProgramFolder FindProgramFolder(const TProgramFolderPlaces& places);

// The program folder of this process: ChooseProgramFolder(ProgramFolderPlaces()).
TProgramFolder OpenProgramFolder();

// "KIOVA_HOME", "portable" or "per-user".
std::string_view ChoiceName(EProgramFolderChoice choice);

}  // namespace kiova

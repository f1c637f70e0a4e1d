// The running executable, and the shared, read-only parts of an installed program: decoders and
// plug-ins in the library folder, the help page and the demo characters in the data folder.
// They are found from the executable's folder through the install's own layout (bin/ beside
// lib/.../kiova/ and share/kiova/), so an install under any prefix finds its own parts.
//
// Shared parts are looked for in the program folder first, then in the installed folders.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "UiLanguage.h"

namespace kiova {

// The executable's path (symbolic links resolved); empty when the system cannot tell.
std::filesystem::path ExecutablePath();

struct TInstalledFolders {
    std::string library;  // ANSI, trailing delimiter: SPIs/, plugins/
    std::string data;     // ANSI, trailing delimiter: characters/, Help/
};

const TInstalledFolders& InstalledFolders();

// Folders holding picture decoders (*.spi), in the order they are loaded.
std::vector<std::string> DecoderFolders(std::string_view program_folder);
// Where a character's own decoders are: its package's "folder" value taken
// from the program folder (not from the package's folder, as its data are); nothing when it
// leaves the program folder (see FolderInside).
std::optional<std::string> CharacterFolderInProgramFolder(std::string_view program_folder,
                                                          std::string_view folder_value,
                                                          int code_page);
// Folders holding plug-in libraries, in the order a library is looked for.
std::vector<std::string> PluginFolders(std::string_view program_folder);
// The help page that exists: the one in `language` (the program folder's first), else the one
// in the other language; the program folder's Japanese page, the name it has always had, when
// none exists, so that the error names the place where users put their own.
std::string HelpPagePath(std::string_view program_folder, EUiLanguage language);
// Folders holding the interface's catalogues (kiova_en.qm), in the order they are looked in:
// translations/ beside the executable (the build's program folder), then the installed one.
std::vector<std::filesystem::path> TranslationFolders();

}  // namespace kiova

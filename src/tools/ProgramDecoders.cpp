#include "ProgramDecoders.h"

#include "CharacterFile.h"
#include "Files.h"
#include "InstalledFolders.h"
#include "SusiePlugInList.h"

namespace kiova::tool {

void AddProgramDecoders(TSusiePlugInList& decoders, std::string_view program_folder,
                        const TCharacterFile* package) {
    for (const std::string& folder : DecoderFolders(program_folder))
        decoders.AddFolder(NativePath(folder));
    if (!package) return;
    // A folder outside the program folder is skipped, as the program skips it.
    if (std::optional<std::string> own = CharacterFolderInProgramFolder(
            program_folder, package->ReadValue("folder"), package->CodePage()))
        decoders.AddFolder(NativePath(*own));
}

}  // namespace kiova::tool

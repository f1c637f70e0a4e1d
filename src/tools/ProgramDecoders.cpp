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
    if (package)
        decoders.AddFolder(NativePath(
            CharacterFolderInProgramFolder(program_folder, package->ReadValue("folder"))));
}

}  // namespace kiova::tool

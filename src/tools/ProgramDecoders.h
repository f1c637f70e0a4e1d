// The picture decoders the program would load: its own folders' and, for a character, the
// character's own.
#pragma once

#include <string_view>

namespace kiova {
class TCharacterFile;
class TSusiePlugInList;
}  // namespace kiova

namespace kiova::tool {

// `program_folder` is ANSI; `package` may be null (no character).
void AddProgramDecoders(TSusiePlugInList& decoders, std::string_view program_folder,
                        const TCharacterFile* package);

}  // namespace kiova::tool

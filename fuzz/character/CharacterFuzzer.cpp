// A whole character from bytes: a package, a data file "data/d.txt" and the state file, separated
// by NUL bytes, are written to a folder of their own and loaded; the character answers once and
// saves its state. Loading ends in a character or an EKiovaError, never in a crash or a hang.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "Character.h"
#include "HandOverQueue.h"
#include "KiovaError.h"
#include "TagInterpreter.h"
#include "TempFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const kiova::testing::TempFolder folder;
    static kiova::THandOverQueue hand_over;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const size_t first = std::min(bytes.find('\0'), size);
    const size_t data_start = std::min(first + 1, size);
    const size_t second = std::min(bytes.find('\0', data_start), size);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        std::filesystem::remove_all(entry.path());  // each input starts from an empty folder
    folder.Write("fuzz.ktc", bytes.substr(0, first));
    folder.Write("data/d.txt", bytes.substr(data_start, second - data_start));
    folder.Write("data/fuzz.kts", bytes.substr(std::min(second + 1, size)));
    try {
        kiova::TCharacter character(folder / "fuzz.ktc", kiova::MakeCharacterServices(hand_over));
        character.EvaluateTags(character.Respond(u"hello", kiova::kTableMaskAll));
    } catch (const kiova::EKiovaError&) {
    }
    return 0;
}

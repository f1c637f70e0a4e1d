// Any text through EvaluateTags: no crash, no undefined behaviour, and bounded time and memory
// (the scan's bounds stop runaway rebuilds). Every input starts from cleared variables at one
// fixed instant, so a finding replays. External programs stay disallowed.
#include <cstdint>
#include <memory>
#include <string>

#include "Character.h"
#include "Clock.h"
#include "CodePage.h"
#include "HandOverQueue.h"
#include "TagInterpreter.h"
#include "engine/TestCharacter.h"

namespace {

struct FuzzCharacter {
    kiova::testing::TestCharacter package{"Fuzz", "fuzz"};
    kiova::THandOverQueue hand_over;
    std::unique_ptr<kiova::TCharacter> character;

    FuzzCharacter() {
        kiova::SetClock(std::make_shared<kiova::TFixedClock>(37745.75, 37745.375));
        package.Data("datac2", "chat.txt", {"Hi"});
        character = std::make_unique<kiova::TCharacter>(package.Write(),
                                                        kiova::MakeCharacterServices(hand_over));
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzCharacter fuzz;
    fuzz.character->Variables().Clear();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz.character->EvaluateTags(kiova::AnsiToUtf16(bytes));
    return 0;
}

#include "Random.h"

#include "Clock.h"
#include "DateTime.h"

namespace kiova {
namespace {

uint32_t state = 0;

uint32_t Step() {
    state = state * 134775813u + 1u;
    return state;
}

}  // namespace

void Randomize() {
    DateTimeParts now = DecodeDateTime(CurrentClock()->NowUtc());
    state = static_cast<uint32_t>(((now.hour * 60 + now.minute) * 60 + now.second) * 1000 +
                                  now.millisecond);
}

int Random(int range) {
    uint64_t product = uint64_t{Step()} * static_cast<uint64_t>(range < 1 ? 0 : range);
    return static_cast<int>(product >> 32);
}

double RandomFloat() {
    return Step() / 4294967296.0;
}

uint32_t RandomSeed() {
    return state;
}

void SetRandomSeed(uint32_t seed) {
    state = seed;
}

}  // namespace kiova

// The program's one pseudo-random generator: a 32-bit linear congruential state, reseeded from
// the time of day (UTC) read through the injectable clock, so a fixed clock gives repeatable
// draws. Used from the GUI thread only.
#pragma once

#include <cstdint>

namespace kiova {

// State := milliseconds since midnight UTC of CurrentClock()->NowUtc().
void Randomize();

// Steps the state (state * 134775813 + 1) and returns the upper 32 bits of state * range:
// 0 to range - 1. A range below 1 gives 0 (the state still steps).
int Random(int range);

// Steps the state and returns it scaled into [0, 1).
double RandomFloat();

uint32_t RandomSeed();
void SetRandomSeed(uint32_t seed);

}  // namespace kiova

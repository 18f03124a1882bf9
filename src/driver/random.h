// The run's single random source: a 32-bit linear congruential generator whose seed
// the caller sets (the file program takes it from the UTC time of day).
#pragma once

#include <cstdint>

namespace tulvo::engine {

extern uint32_t randomSeed;

// The seed of a run started at this UTC time of day: its milliseconds since midnight.
uint32_t SeedOfTime(int hour, int minute, int second, int millisecond);
// An integer in 0..n-1 (n >= 1); every call advances the seed by one step.
int Random(int n);

}  // namespace tulvo::engine

// The run's single random source: a 32-bit linear congruential generator seeded from
// the UTC time of day.
#pragma once

#include <cstdint>

extern uint32_t randomSeed;

void SeedRandom();
// An integer in 0..n-1 (n >= 1); every call advances the seed by one step.
int Random(int n);

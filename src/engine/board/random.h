// The run's single random source: a 32-bit linear congruential generator whose seed
// the caller sets with the request.
#pragma once

#include <cstdint>

namespace tulvo::engine {

extern uint32_t randomSeed;

// An integer in 0..n-1 (n >= 1); every call advances the seed by one step.
int Random(int n);

}  // namespace tulvo::engine

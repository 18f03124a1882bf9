// The decision's single random source: a 32-bit linear congruential generator whose
// seed (the state's randomSeed) the caller sets with the request.
#pragma once

#include "engine/board/board_state.h"

namespace tulvo::engine {

// An integer in 0..n-1 (n >= 1); every call advances the seed by one step.
int Random(BoardState& s, int n);

}  // namespace tulvo::engine

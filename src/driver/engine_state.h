// The engine's state as a whole: its start-of-run values and the move choice once a
// position is in place.
#pragma once

#include <cstdint>

#include "core_types.h"

namespace tulvo::engine {

// Sets the seed, the level, the position, the summaries and the search to their
// start-of-run values. The cell tables are cleared by CreateCellTables, the run's
// own step.
void ResetEngine();
// The move choice once the position is in place (ResetEngine, then ParseBoard or
// PlaceStone, sideToMove and aiLevel set by the caller): prepares the candidates,
// seeds the random source and chooses the move.
Move ChooseMoveWithSeed(uint32_t seed);

}  // namespace tulvo::engine

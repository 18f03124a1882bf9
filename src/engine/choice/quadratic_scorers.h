// Base scores of levels 2 to 4 (and of levels 0 and 1): sums of squares of the current
// cell's line measurements over all eight directions and both players.
#pragma once

#include <cstdint>

namespace tulvo::engine {

int32_t ScoreRunSquares();
int32_t ScoreRunSpanSquares();
int32_t ScoreFreeWeighted();

}  // namespace tulvo::engine

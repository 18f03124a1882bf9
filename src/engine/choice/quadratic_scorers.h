// Base scores of levels 2 to 4 (and of levels 0 and 1): sums of squares of the current
// cell's line measurements over all eight directions and both players.
#pragma once

#include <cstdint>

namespace tulvo::engine {

struct EngineState;

int32_t ScoreRunSquares(const EngineState& s);
int32_t ScoreRunSpanSquares(const EngineState& s);
int32_t ScoreFreeWeighted(const EngineState& s);

}  // namespace tulvo::engine

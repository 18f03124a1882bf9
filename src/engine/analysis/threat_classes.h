// Per player, how many of the current cell's four axes fall into each threat class.
#pragma once

#include <cstdint>

#include "engine/board/core_types.h"

namespace tulvo::engine {

// Threat classes, for a stone of the player set on the cell:
constexpr int kThreatNone = 0;
constexpr int kThreatOpenThree = 3;  // - x x [] -  -   or  - x - x [] -
constexpr int kThreatFour = 5;       // o x x x [] -    or  x x - x []
constexpr int kThreatOpenFour = 8;   // - x x x [] -    or  x - x x [] - x
constexpr int kThreatFive = 10;      // x x x x []
constexpr int kThreatRows = 11;

struct AnalysisState;

// Zeroes threatCounts (rows by class, columns by player index), then adds one per axis
// of the current cell and player to the row of its class.
void ClassifyThreats(AnalysisState& s);
void ResetThreatCounts(AnalysisState& s);

}  // namespace tulvo::engine

// The engine's whole working state: the board's and the analysis's layers, and the
// search's own fields on top. Each caller owns one; nothing of it is shared, so
// callers with states of their own decide side by side.
#pragma once

#include <cstdint>

#include "engine/analysis/analysis_state.h"
#include "engine/board/core_types.h"
#include "engine/choice/weighted_scorers.h"

namespace tulvo::engine {

// A cell the scan evaluated, with the scores it compared and the tier that decided its
// score: the rule (levels 0 and 1) or the threat row.
struct EvaluatedCell {
  int32_t x, y;
  int32_t baseScore;
  int32_t cellScore;
  int32_t tier;
};
constexpr int kMaxEvaluatedCells = kBoardSide * kBoardSide;

struct EngineState : AnalysisState {
  uint8_t ownIndex;  // player index of the side to move
  uint8_t oppIndex;
  int32_t baseScore;  // the scores of the cell evaluated last
  int32_t cellScore;
  Move bestMove;  // (-1, -1) while no cell is taken
  int32_t bestScore;
  EvaluatedCell evaluatedCells[kMaxEvaluatedCells];  // every cell the last scan evaluated, in scan order
  int32_t evaluatedCount;
  // Levels 5 and 6: the level's constants and the stone-count band's span weights,
  // set by PrepareSpanWeights before the scan, and the same as vector lanes.
  WeightedConstants weightedConstants;
  int32_t spanWeight;
  int32_t spanDivisor;
  ConstantLanes constantLanes;
};

}  // namespace tulvo::engine

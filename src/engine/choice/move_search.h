// ChooseMove: the opening rules for 0, 1 or 2 stones, else the scan over the
// SearchBox with the level's evaluation and a random tie-break.
#pragma once

#include <cstdint>

#include "engine/board/core_types.h"

namespace tulvo::engine {

struct EngineState;

constexpr int32_t kOpeningScore = 32000;

// A cell's score and the tier that decided it: the rule (levels 0 and 1) or the
// threat row (levels 2 to 6).
struct TieredScore {
  int32_t score;
  int tier;
};

void ResetSearchState(EngineState& s);
void ChooseMove(EngineState& s);
// Score the cell into baseScore and cellScore; each returns the cell's tier.
int EvaluateCellByRules(EngineState& s, Move cell);
int EvaluateCellByThreats(EngineState& s, Move cell);
// Takes the cell when it scores higher, or equal and Random(3) gives 0.
void UpdateBestMove(EngineState& s, Move cell);

}  // namespace tulvo::engine

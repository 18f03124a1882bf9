// ChooseMove: the opening rules for 0, 1 or 2 stones, else the scan over the
// SearchBox with the level's evaluation and a random tie-break.
#pragma once

#include <cstdint>

#include "engine/board/core_types.h"

namespace tulvo::engine {

constexpr int32_t kOpeningScore = 32000;

extern uint8_t ownIndex;  // player index of the side to move
extern uint8_t oppIndex;
extern int32_t currentX, currentY;  // the cell under evaluation
extern int32_t baseScore;
extern int32_t cellScore;
extern Move bestMove;  // (-1, -1) while no cell is taken
extern int32_t bestScore;

// A cell's score and the tier that decided it: the rule (levels 0 and 1) or the
// threat row (levels 2 to 6).
struct TieredScore {
  int32_t score;
  int tier;
};

// Every cell the last scan evaluated, in scan order, with the scores it compared and
// the tier that decided its score: the rule (levels 0 and 1) or the threat row.
struct EvaluatedCell {
  int32_t x, y;
  int32_t baseScore;
  int32_t cellScore;
  int32_t tier;
};
constexpr int kMaxEvaluatedCells = kBoardSide * kBoardSide;
extern EvaluatedCell evaluatedCells[kMaxEvaluatedCells];
extern int32_t evaluatedCount;

void ResetSearchState();
void ChooseMove();
// Score the current cell into baseScore and cellScore; each returns the cell's tier.
int EvaluateCellByRules();
int EvaluateCellByThreats();
// Takes the current cell when it scores higher, or equal and Random(3) gives 0.
void UpdateBestMove();

}  // namespace tulvo::engine

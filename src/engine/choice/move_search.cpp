// The scan over candidate cells (x outer, y inner) and the evaluation per level.
#include "engine/choice/move_search.h"

#include "engine/analysis/axis_summary.h"
#include "engine/analysis/cell_tables.h"
#include "engine/analysis/threat_classes.h"
#include "engine/board/ai_level.h"
#include "engine/board/position.h"
#include "engine/board/random.h"
#include "engine/choice/opening.h"
#include "engine/choice/quadratic_scorers.h"
#include "engine/choice/rule_scorer.h"
#include "engine/choice/threat_priority.h"
#include "engine/choice/weighted_scorers.h"

namespace tulvo::engine {

uint8_t ownIndex = 0;
uint8_t oppIndex = 1;
int32_t currentX = 0, currentY = 0;
int32_t baseScore = 0;
int32_t cellScore = 0;
Move bestMove = {-1, -1};
int32_t bestScore = -1;
EvaluatedCell evaluatedCells[kMaxEvaluatedCells];
int32_t evaluatedCount = 0;

void ResetSearchState() {
  ownIndex = 0;
  oppIndex = 1;
  currentX = currentY = 0;
  baseScore = cellScore = 0;
  bestMove = {-1, -1};
  bestScore = -1;
  evaluatedCount = 0;
}

int EvaluateCellByRules() {
  SelectCell(currentX, currentY);
  SummarizeAxes();
  if (aiLevel == 1) SummarizeGapped();
  baseScore = ScoreRunSquares();
  const TieredScore scored = ScoreByRules(baseScore);
  cellScore = scored.score;
  return scored.tier;
}

static int32_t LevelBaseScore() {
  switch (aiLevel) {
    case 2: return ScoreRunSquares();
    case 3: return ScoreRunSpanSquares();
    case 4: return ScoreFreeWeighted();
    default: return ScoreWeighted();
  }
}

int EvaluateCellByThreats() {
  SelectCell(currentX, currentY);
  ClassifyThreats();
  baseScore = LevelBaseScore();
  const TieredScore scored = ComposeThreatPriority(baseScore);
  cellScore = scored.score;
  return scored.tier;
}

void UpdateBestMove() {
  if (cellScore < bestScore) return;
  if (cellScore == bestScore && Random(3) != 0) return;
  bestMove = {currentX, currentY};
  bestScore = cellScore;
}

static void ScanSearchBox() {
  for (currentX = searchBox.minX; currentX <= searchBox.maxX; currentX++) {
    for (currentY = searchBox.minY; currentY <= searchBox.maxY; currentY++) {
      if (board[currentX][currentY] != kCellEmpty || candidateMask[currentX][currentY] == 0) continue;
      const int tier = aiLevel <= 1 ? EvaluateCellByRules() : EvaluateCellByThreats();
      evaluatedCells[evaluatedCount++] = {currentX, currentY, baseScore, cellScore, tier};
      UpdateBestMove();
    }
  }
}

void ChooseMove() {
  ownIndex = uint8_t(sideToMove - 1);
  oppIndex = uint8_t(2 - sideToMove);
  // An opening move evaluates no cell, so its trace is empty.
  evaluatedCount = 0;
  if (stoneCount == 0) {
    OpenOnEmptyBoard();
    return;
  }
  if (stoneCount <= 2) {
    OpenNearLastStone();
    return;
  }
  bestScore = -1;
  bestMove = {-1, -1};
  if (aiLevel >= 5) PrepareSpanWeights(aiLevel);
  ScanSearchBox();
}

}  // namespace tulvo::engine

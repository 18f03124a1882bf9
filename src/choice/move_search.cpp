// The scan over candidate cells (x outer, y inner) and the evaluation per level.
#include "choice/move_search.h"

#include "analysis/axis_summary.h"
#include "analysis/cell_tables.h"
#include "analysis/threat_classes.h"
#include "choice/opening.h"
#include "choice/quadratic_scorers.h"
#include "choice/rule_scorer.h"
#include "choice/threat_priority.h"
#include "choice/weighted_scorers.h"
#include "driver/ai_level.h"
#include "driver/position.h"
#include "driver/random.h"

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

void EvaluateCellByRules() {
  SelectCell(currentX, currentY);
  SummarizeAxes();
  if (aiLevel == 1) SummarizeGapped();
  baseScore = ScoreRunSquares();
  cellScore = ScoreByRules(baseScore);
}

static int32_t LevelBaseScore() {
  switch (aiLevel) {
    case 2: return ScoreRunSquares();
    case 3: return ScoreRunSpanSquares();
    case 4: return ScoreFreeWeighted();
    default: return ScoreWeighted();
  }
}

void EvaluateCellByThreats() {
  SelectCell(currentX, currentY);
  ClassifyThreats();
  baseScore = LevelBaseScore();
  cellScore = ComposeThreatPriority(baseScore);
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
      if (aiLevel <= 1)
        EvaluateCellByRules();
      else
        EvaluateCellByThreats();
      evaluatedCells[evaluatedCount++] = {currentX, currentY, baseScore, cellScore};
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

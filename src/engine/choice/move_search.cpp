// The scan over candidate cells (x outer, y inner) and the evaluation per level.
#include "engine/choice/move_search.h"

#include "engine/board/random.h"
#include "engine/choice/engine_state.h"
#include "engine/choice/opening.h"
#include "engine/choice/quadratic_scorers.h"
#include "engine/choice/rule_scorer.h"
#include "engine/choice/threat_priority.h"
#include "engine/choice/weighted_scorers.h"

namespace tulvo::engine {

void ResetSearchState(EngineState& s) {
  s.ownIndex = 0;
  s.oppIndex = 1;
  s.baseScore = s.cellScore = 0;
  s.bestMove = {-1, -1};
  s.bestScore = -1;
  s.evaluatedCount = 0;
}

int EvaluateCellByRules(EngineState& s, Move cell) {
  SelectCell(s, cell.x, cell.y);
  SummarizeAxes(s);
  if (s.aiLevel == 1) SummarizeGapped(s);
  s.baseScore = ScoreRunSquares(s);
  const TieredScore scored = ScoreByRules(s, s.baseScore);
  s.cellScore = scored.score;
  return scored.tier;
}

static int32_t LevelBaseScore(const EngineState& s) {
  switch (s.aiLevel) {
    case 2: return ScoreRunSquares(s);
    case 3: return ScoreRunSpanSquares(s);
    case 4: return ScoreFreeWeighted(s);
    default: return ScoreWeighted(s);
  }
}

int EvaluateCellByThreats(EngineState& s, Move cell) {
  SelectCell(s, cell.x, cell.y);
  ClassifyThreats(s);
  s.baseScore = LevelBaseScore(s);
  const TieredScore scored = ComposeThreatPriority(s, s.baseScore);
  s.cellScore = scored.score;
  return scored.tier;
}

void UpdateBestMove(EngineState& s, Move cell) {
  if (s.cellScore < s.bestScore) return;
  if (s.cellScore == s.bestScore && Random(s, 3) != 0) return;
  s.bestMove = cell;
  s.bestScore = s.cellScore;
}

static void ScanSearchBox(EngineState& s) {
  // Read once: an evaluation writes neither the box nor the level.
  const SearchBox box = s.searchBox;
  const bool byRules = s.aiLevel <= 1;
  for (int x = box.minX; x <= box.maxX; x++) {
    for (int y = box.minY; y <= box.maxY; y++) {
      if (s.board[x][y] != kCellEmpty || s.candidateMask[x][y] == 0) continue;
      const Move cell = {x, y};
      const int tier = byRules ? EvaluateCellByRules(s, cell) : EvaluateCellByThreats(s, cell);
      s.evaluatedCells[s.evaluatedCount++] = {x, y, s.baseScore, s.cellScore, tier};
      UpdateBestMove(s, cell);
    }
  }
}

void ChooseMove(EngineState& s) {
  s.ownIndex = uint8_t(s.sideToMove - 1);
  s.oppIndex = uint8_t(2 - s.sideToMove);
  // An opening move evaluates no cell, so its trace is empty.
  s.evaluatedCount = 0;
  if (s.stoneCount == 0) {
    OpenOnEmptyBoard(s);
    return;
  }
  if (s.stoneCount <= 2) {
    OpenNearLastStone(s);
    return;
  }
  s.bestScore = -1;
  s.bestMove = {-1, -1};
  if (s.aiLevel >= 5) PrepareSpanWeights(s, s.aiLevel);
  ScanSearchBox(s);
}

}  // namespace tulvo::engine

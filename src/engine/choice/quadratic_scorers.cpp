// Each term splits evenly between the players, so a direction off the board adds 0.
#include "engine/choice/quadratic_scorers.h"

#include "engine/choice/engine_state.h"

namespace tulvo::engine {

static int32_t Square(int32_t v) { return v * v; }

// 2, 4 and 6 for 0, 1 and 2 or more free cells after the run.
static int32_t FreeEndWeight(int32_t runFree) { return runFree >= 2 ? 6 : 2 * runFree + 2; }

int32_t ScoreRunSquares(const EngineState& s) {
  const CellTables& t = *s.currentTables;
  int32_t sum = 0;
  for (int d = 0; d < kDirections; d++) {
    int own = TableIndex(s.ownIndex, d), opp = TableIndex(s.oppIndex, d);
    sum += Square(t.runLen[opp] + 1) + Square(t.runLen[own] + 1) - 2;
  }
  return sum;
}

int32_t ScoreRunSpanSquares(const EngineState& s) {
  const CellTables& t = *s.currentTables;
  int32_t sum = 0;
  for (int d = 0; d < kDirections; d++) {
    int own = TableIndex(s.ownIndex, d), opp = TableIndex(s.oppIndex, d);
    sum += Square(t.runLen[opp] + 1) + Square(t.spanLen[opp] + 1) + Square(t.spanLen[own] + 1) +
           Square(t.runLen[own] + 1) - 4;
  }
  return sum;
}

int32_t ScoreFreeWeighted(const EngineState& s) {
  const CellTables& t = *s.currentTables;
  int32_t sum = 0;
  for (int d = 0; d < kDirections; d++) {
    int own = TableIndex(s.ownIndex, d), opp = TableIndex(s.oppIndex, d);
    sum += FreeEndWeight(t.runFree[opp]) * Square(t.runLen[opp]) + 3 * Square(t.spanLen[opp] + 1) +
           FreeEndWeight(t.runFree[own]) * Square(t.runLen[own]) + 3 * Square(t.spanLen[own] + 1) - 6;
  }
  return sum;
}

}  // namespace tulvo::engine

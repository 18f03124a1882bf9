// Picks the best and second-best axes from the current cell's tables.
#include "engine/analysis/axis_summary.h"

#include <cstring>

#include "engine/analysis/analysis_state.h"

namespace tulvo::engine {

void ResetAxisSummary(AnalysisState& s) { memset(&s.axisSummary, 0, sizeof s.axisSummary); }

static uint8_t RunTotal(const CellTables& t, int p, int j) {
  return uint8_t(t.runLen[TableIndex(p, j)] + t.runLen[TableIndex(p, opposite[j])]);
}

static uint8_t OpenEnds(const CellTables& t, int p, int j) {
  return uint8_t((t.runFree[TableIndex(p, j)] >= 1) + (t.runFree[TableIndex(p, opposite[j])] >= 1));
}

static uint8_t FreeSum(const CellTables& t, int p, int j) {
  return uint8_t(t.runFree[TableIndex(p, j)] + t.runFree[TableIndex(p, opposite[j])]);
}

static uint8_t GappedTotal(const CellTables& t, int p, int j) {
  int side = TableIndex(p, j), other = TableIndex(p, opposite[j]);
  uint8_t a = uint8_t(t.spanLen[side] + t.runLen[other]);
  uint8_t b = uint8_t(t.spanLen[other] + t.runLen[side]);
  return a >= b ? a : b;
}

static void SummarizePlayer(const CellTables& t, AxisSummary& s, int p) {
  s.bestRun[p] = 0;
  s.secondRun[p] = 0;
  int bestAxis = 0;
  for (int j = 0; j < kAxes; j++) {
    uint8_t total = RunTotal(t, p, j);
    if (total < s.bestRun[p]) continue;
    s.bestRun[p] = total;
    s.bestOpenEnds[p] = OpenEnds(t, p, j);
    s.bestFree[p] = FreeSum(t, p, j);
    bestAxis = j;
  }
  for (int j = 0; j < kAxes; j++) {
    uint8_t total = RunTotal(t, p, j);
    if (total < s.secondRun[p] || j == bestAxis) continue;
    s.secondRun[p] = total;
    s.secondOpenEnds[p] = OpenEnds(t, p, j);
    s.secondFree[p] = FreeSum(t, p, j);
  }
}

static void SummarizePlayerGapped(const CellTables& t, AxisSummary& s, int p) {
  s.bestGapped[p] = 0;
  s.secondGapped[p] = 0;
  int bestAxis = 0;
  for (int j = 0; j < kAxes; j++) {
    uint8_t total = GappedTotal(t, p, j);
    if (total < s.bestGapped[p]) continue;
    s.bestGapped[p] = total;
    bestAxis = j;
  }
  for (int j = 0; j < kAxes; j++) {
    uint8_t total = GappedTotal(t, p, j);
    if (total >= s.secondGapped[p] && j != bestAxis) s.secondGapped[p] = total;
  }
}

void SummarizeAxes(AnalysisState& s) {
  for (int p = 0; p < kPlayers; p++) SummarizePlayer(*s.currentTables, s.axisSummary, p);
}

void SummarizeGapped(AnalysisState& s) {
  for (int p = 0; p < kPlayers; p++) SummarizePlayerGapped(*s.currentTables, s.axisSummary, p);
}

}  // namespace tulvo::engine

// Picks the best and second-best axes from the current cell's tables.
#include "engine/analysis/axis_summary.h"

#include <cstring>

#include "engine/analysis/cell_tables.h"

namespace tulvo::engine {

AxisSummary axisSummary;

void ResetAxisSummary() { memset(&axisSummary, 0, sizeof axisSummary); }

static uint8_t RunTotal(int p, int j) {
  return uint8_t(currentTables->runLen[TableIndex(p, j)] + currentTables->runLen[TableIndex(p, opposite[j])]);
}

static uint8_t OpenEnds(int p, int j) {
  return uint8_t((currentTables->runFree[TableIndex(p, j)] >= 1) +
                 (currentTables->runFree[TableIndex(p, opposite[j])] >= 1));
}

static uint8_t FreeSum(int p, int j) {
  return uint8_t(currentTables->runFree[TableIndex(p, j)] + currentTables->runFree[TableIndex(p, opposite[j])]);
}

static uint8_t GappedTotal(int p, int j) {
  const CellTables& t = *currentTables;
  int side = TableIndex(p, j), other = TableIndex(p, opposite[j]);
  uint8_t a = uint8_t(t.spanLen[side] + t.runLen[other]);
  uint8_t b = uint8_t(t.spanLen[other] + t.runLen[side]);
  return a >= b ? a : b;
}

static void SummarizePlayer(int p) {
  AxisSummary& s = axisSummary;
  s.bestRun[p] = 0;
  s.secondRun[p] = 0;
  int bestAxis = 0;
  for (int j = 0; j < kAxes; j++) {
    uint8_t total = RunTotal(p, j);
    if (total < s.bestRun[p]) continue;
    s.bestRun[p] = total;
    s.bestOpenEnds[p] = OpenEnds(p, j);
    s.bestFree[p] = FreeSum(p, j);
    bestAxis = j;
  }
  for (int j = 0; j < kAxes; j++) {
    uint8_t total = RunTotal(p, j);
    if (total < s.secondRun[p] || j == bestAxis) continue;
    s.secondRun[p] = total;
    s.secondOpenEnds[p] = OpenEnds(p, j);
    s.secondFree[p] = FreeSum(p, j);
  }
}

static void SummarizePlayerGapped(int p) {
  AxisSummary& s = axisSummary;
  s.bestGapped[p] = 0;
  s.secondGapped[p] = 0;
  int bestAxis = 0;
  for (int j = 0; j < kAxes; j++) {
    uint8_t total = GappedTotal(p, j);
    if (total < s.bestGapped[p]) continue;
    s.bestGapped[p] = total;
    bestAxis = j;
  }
  for (int j = 0; j < kAxes; j++) {
    uint8_t total = GappedTotal(p, j);
    if (total >= s.secondGapped[p] && j != bestAxis) s.secondGapped[p] = total;
  }
}

void SummarizeAxes() {
  for (int p = 0; p < kPlayers; p++) SummarizePlayer(p);
}

void SummarizeGapped() {
  for (int p = 0; p < kPlayers; p++) SummarizePlayerGapped(p);
}

}  // namespace tulvo::engine

#include "engine/analysis/threat_classes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "engine/analysis/cell_tables.h"
#include "engine/board/position.h"
#include "engine/load_position.h"
#include "file_program/run_sequence.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

// Lays a row pattern on line 10 of a 20 x 20 board ('*' is the cell, x own, o
// opponent, - empty, '|' the left edge when first) and returns X's class of axis 0.
int ClassOfRow(const std::string& pattern) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  bool leftEdge = pattern[0] == '|';
  std::string row = leftEdge ? pattern.substr(1) : pattern;
  int origin = leftEdge ? 0 : 3;
  std::vector<StoneAt> stones;
  int cellX = -1;
  for (size_t i = 0; i < row.size(); i++) {
    if (row[i] == '*') cellX = origin + int(i);
    if (row[i] == 'x' || row[i] == 'o') stones.push_back({origin + int(i), 10, row[i]});
  }
  LoadPosition(s, RowsWithStones(20, stones), 1);
  SelectCell(s, cellX, 10);
  ClassifyThreats(s);
  // Only axis 0 holds stones, so the other three axes are class 0 for X.
  int found = -1;
  for (int c : {kThreatOpenThree, kThreatFour, kThreatOpenFour, kThreatFive})
    if (s.threatCounts[c][kPlayerX] == 1) found = c;
  return found < 0 ? (s.threatCounts[kThreatNone][kPlayerX] == 4 ? kThreatNone : -1) : found;
}

// One axis's readings: the walks toward direction 0 (side A) and direction 4 (side B).
struct AxisReadings {
  uint8_t runA, runB;    // runLen
  uint8_t freeA, freeB;  // runFree
  uint8_t spanA, spanB;  // spanLen
  uint8_t spanFreeA, spanFreeB;
};

// Player p's class of axis 0 when the cell's tables hold only these readings: the
// other axes, and the other player, read all zeros, which is no threat.
int ClassOfReadings(const AxisReadings& axis, int p) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  static CellTables tables;
  tables = {};
  const int a = TableIndex(p, 0), b = TableIndex(p, 4);
  tables.runLen[a] = axis.runA;
  tables.runLen[b] = axis.runB;
  tables.runFree[a] = axis.freeA;
  tables.runFree[b] = axis.freeB;
  tables.spanLen[a] = axis.spanA;
  tables.spanLen[b] = axis.spanB;
  tables.spanFree[a] = axis.spanFreeA;
  tables.spanFree[b] = axis.spanFreeB;
  s.currentTables = &tables;
  ClassifyThreats(s);
  for (int c : {kThreatOpenThree, kThreatFour, kThreatOpenFour, kThreatFive})
    if (s.threatCounts[c][p] == 1 && s.threatCounts[kThreatNone][p] == 3) return c;
  return s.threatCounts[kThreatNone][p] == 4 ? kThreatNone : -1;
}

}  // namespace

TEST(ClassifyThreats, DecisionListOnRows) {
  struct Case {
    const char* row;
    int threat;
  };
  const Case cases[] = {
      {"-xxxx*-", kThreatFive},       {"oxx*xxo", kThreatFive},       {"oxxxx*o", kThreatFive},
      {"--xxx*--", kThreatOpenFour},  {"oxxx*--", kThreatFour},       {"oxxx*o", kThreatNone},
      {"-x-xx*-x-", kThreatOpenFour}, {"oxx-x*o", kThreatFour},       {"o-xx*-o", kThreatNone},
      {"o--xx*-o", kThreatOpenThree}, {"--x-x*--", kThreatOpenThree}, {"o-x-x*-o", kThreatOpenThree},
      {"|xxx*-", kThreatFour},        {"|xx*--o", kThreatNone},       {"---*---", kThreatNone},
      {"ox-x*x-o", kThreatFour},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassOfRow(c.row), c.threat) << c.row;
}

TEST(ClassifyThreats, RuleOrderDecidesOnReadings) {
  struct Case {
    AxisReadings axis;
    int threat;
  };
  const Case cases[] = {
      {{4, 0, 0, 0, 4, 0, 0, 0}, kThreatFive},       // blocked both ends: still five
      {{2, 1, 1, 1, 3, 2, 5, 5}, kThreatOpenFour},   // three adjacent, both ends open
      {{2, 1, 0, 1, 2, 2, 0, 0}, kThreatFour},       // three adjacent, one end
      {{1, 1, 1, 1, 3, 3, 0, 0}, kThreatOpenFour},   // gap and stone beyond on both sides
      {{0, 0, 1, 1, 4, 4, 0, 0}, kThreatFour},       // gapped four on one side
      {{1, 1, 1, 2, 2, 2, 0, 1}, kThreatOpenThree},  // two adjacent, three free cells
      {{1, 1, 1, 1, 2, 2, 0, 0}, kThreatNone},       // two adjacent, two free cells
      {{0, 1, 1, 1, 2, 2, 1, 0}, kThreatOpenThree},  // gapped three free at both outer ends (rule 7)
      {{1, 0, 1, 1, 2, 2, 0, 1}, kThreatOpenThree},  // the mirror (rule 8)
      {{0, 0, 0, 0, 0, 0, 0, 0}, kThreatNone},
  };
  for (const Case& c : cases)
    for (int p : {kPlayerX, kPlayerO}) EXPECT_EQ(ClassOfReadings(c.axis, p), c.threat) << "player " << p;
}

TEST(ClassifyThreats, CountsSumToFourOnRandomBoards) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  std::mt19937 rng(7);
  for (int round = 0; round < 200; round++) {
    std::vector<std::string> rows = EmptyRows(20);
    int stones = int(rng() % 200);
    for (int i = 0; i < stones; i++) rows[rng() % 20][rng() % 20] = (i % 2) ? 'o' : 'x';
    LoadPosition(s, rows, 1);
    for (int x = 0; x < 20; x++)
      for (int y = 0; y < 20; y++) {
        if (!s.candidateMask[x][y]) continue;
        SelectCell(s, x, y);
        ClassifyThreats(s);
        for (int p = 0; p < kPlayers; p++) {
          int sum = 0;
          for (int c = 0; c < kThreatRows; c++) {
            bool used = c == 0 || c == 3 || c == 5 || c == 8 || c == 10;
            if (!used) {
              ASSERT_EQ(s.threatCounts[c][p], 0);
            }
            sum += s.threatCounts[c][p];
          }
          ASSERT_EQ(sum, 4);
        }
      }
  }
}

namespace {

// The decision list as plain branches, one axis reading at a time.
int ReferenceClass(int runA, int runB, int freeA, int freeB, int spanA, int spanB, int spanFreeA, int spanFreeB) {
  int total = runA + runB, openEnds = (freeA >= 1) + (freeB >= 1), freeSum = freeA + freeB;
  if (total >= 4) return kThreatFive;
  if (total == 3 && openEnds == 2) return kThreatOpenFour;
  if (total >= 2 && spanA >= runA + 2 && spanB >= runB + 2) return kThreatOpenFour;
  if (total == 3 && freeSum >= 1) return kThreatFour;
  if (spanA + runB >= 4 || spanB + runA >= 4) return kThreatFour;
  if (total >= 2 && openEnds == 2 && freeSum >= 3) return kThreatOpenThree;
  if (spanA + runB >= 3 && spanFreeA >= 1 && freeB >= 1) return kThreatOpenThree;
  if (spanB + runA >= 3 && spanFreeB >= 1 && freeA >= 1) return kThreatOpenThree;
  return kThreatNone;
}

}  // namespace

// Every axis and player of a cell is classified side by side, so each of the eight
// readings gets its own random values here; a mixed-up reading shows in the counts.
TEST(ClassifyThreats, EveryAxisAndPlayerMatchesTheDecisionList) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  std::mt19937 rng(11);
  ResetEngine(s);
  CellTables& t = s.cellTables[5][5];
  for (int round = 0; round < 20000; round++) {
    for (uint8_t* table : {t.runLen, t.runFree, t.spanLen, t.spanGap, t.spanFree})
      for (int i = 0; i < kTableEntries; i++) table[i] = uint8_t(rng() % 6);
    int32_t expected[kThreatRows][kPlayers] = {};
    for (int p = 0; p < kPlayers; p++)
      for (int j = 0; j < kAxes; j++) {
        int a = TableIndex(p, j), b = TableIndex(p, opposite[j]);
        expected[ReferenceClass(t.runLen[a], t.runLen[b], t.runFree[a], t.runFree[b], t.spanLen[a], t.spanLen[b],
                                t.spanFree[a], t.spanFree[b])][p]++;
      }
    SelectCell(s, 5, 5);
    ClassifyThreats(s);
    ASSERT_EQ(memcmp(expected, s.threatCounts, sizeof expected), 0) << "round " << round;
  }
}

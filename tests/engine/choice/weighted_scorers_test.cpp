#include "engine/choice/weighted_scorers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/analysis/cell_tables.h"
#include "engine/board/position.h"
#include "engine/choice/move_search.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

CellTables tables;

void Entry(int p, int dir, int runLen, int runFree, int spanLen, int spanGap, int spanFree) {
  int i = TableIndex(p, dir);
  tables.runLen[i] = uint8_t(runLen);
  tables.runFree[i] = uint8_t(runFree);
  tables.spanLen[i] = uint8_t(spanLen);
  tables.spanGap[i] = uint8_t(spanGap);
  tables.spanFree[i] = uint8_t(spanFree);
}

// The worked axis: toward d two own stones, three empty cells, an opponent's stone;
// toward the opposite direction five empty cells and the edge. Returns the cell's
// score; axesOfWorkedCell holds its breakdown.
WeightedAxes axesOfWorkedCell;
int32_t WorkedAxis(EngineState& s, int level, int side, int d, int stones = 8, int max = 19) {
  tables = {};
  int own = side - 1, opp = 2 - side, o = opposite[d];
  Entry(own, d, 2, 3, 3, 3, 2);
  Entry(own, o, 0, 5, 1, 1, 4);
  Entry(opp, o, 0, 5, 1, 1, 4);
  s.currentTables = &tables;
  s.ownIndex = uint8_t(own);
  s.oppIndex = uint8_t(opp);
  s.stoneCount = stones;
  s.boardMax = uint8_t(max);
  PrepareSpanWeights(s, level);
  axesOfWorkedCell = ScoreWeightedAxes(s);
  return ScoreWeighted(s);
}

}  // namespace

TEST(ScoreWeighted, WorkedAxisLevelFive) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  EXPECT_EQ(WorkedAxis(s, 5, 1, 0), 913);
  EXPECT_EQ(WorkedAxis(s, 5, 1, 1), 841);
  EXPECT_EQ(WorkedAxis(s, 5, 2, 0), 870);
  EXPECT_EQ(WorkedAxis(s, 5, 2, 1), 798);
}

TEST(ScoreWeighted, WorkedAxisShapesLevelFive) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  WorkedAxis(s, 5, 1, 0);
  EXPECT_EQ(axesOfWorkedCell.shape[0][0], 85);
  EXPECT_EQ(axesOfWorkedCell.shape[1][0], 14);
  WorkedAxis(s, 5, 1, 1);
  EXPECT_EQ(axesOfWorkedCell.shape[0][1], 76);
}

TEST(ScoreWeighted, WorkedAxisLevelSix) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  EXPECT_EQ(WorkedAxis(s, 6, 1, 0), (90 + 1 + 22 * 701) + (8 + 0 + 22 * 156));
  EXPECT_EQ(axesOfWorkedCell.shape[0][0], 701);
  EXPECT_EQ(axesOfWorkedCell.shape[1][0], 156);
}

TEST(ScoreWeighted, CrampedAxisAddsSpanLengths) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  tables = {};
  Entry(1, 0, 1, 0, 1, 0, 0);
  Entry(1, 4, 1, 0, 1, 0, 0);
  s.currentTables = &tables;
  s.ownIndex = 0;
  s.oppIndex = 1;
  s.stoneCount = 8;
  PrepareSpanWeights(s, 5);
  EXPECT_EQ(ScoreWeighted(s), 2);
}

TEST(ScoreWeighted, ReachFourIsCrampedReachFiveIsNot) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  s.currentTables = &tables;
  s.ownIndex = 0;
  s.oppIndex = 1;
  s.stoneCount = 8;
  PrepareSpanWeights(s, 6);
  tables = {};
  Entry(0, 0, 1, 1, 2, 2, 2);  // reach 2 + 2 = 4 for own, nothing for opp
  EXPECT_EQ(ScoreWeighted(s), 2);
  Entry(0, 0, 1, 1, 2, 2, 3);  // reach 5: full line terms
  EXPECT_GT(ScoreWeighted(s), 100);
}

TEST(PrepareSpanWeights, StoneCountBands) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  struct Case {
    int stones;
    int level;
    int32_t weight, divisor;
  };
  const Case cases[] = {
      {0, 5, 2, 1},   {6, 5, 2, 1},  {7, 5, 2, 2},  {11, 5, 2, 2},  {12, 5, 3, 3},   {17, 5, 3, 3},   {18, 5, 3, 4},
      {400, 5, 3, 4}, {6, 6, 24, 2}, {7, 6, 4, 11}, {11, 6, 4, 11}, {12, 6, 17, 39}, {17, 6, 17, 39}, {18, 6, 4, 19},
  };
  for (const Case& c : cases) {
    s.stoneCount = c.stones;
    PrepareSpanWeights(s, c.level);
    EXPECT_EQ(s.spanWeight, c.weight) << c.stones << " L" << c.level;
    EXPECT_EQ(s.spanDivisor, c.divisor) << c.stones << " L" << c.level;
  }
}

TEST(PrepareSpanWeights, RunWeightCapFollowsBoardSizeAtLevelFiveOnly) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  s.boardMax = 14;
  PrepareSpanWeights(s, 5);
  EXPECT_EQ(s.weightedConstants.runWeightCap, 6);
  s.boardMax = 15;
  PrepareSpanWeights(s, 5);
  EXPECT_EQ(s.weightedConstants.runWeightCap, 5);
  // Level 6 scores the same on both sizes.
  EXPECT_EQ(WorkedAxis(s, 6, 1, 0, 8, 14), WorkedAxis(s, 6, 1, 0, 8, 15));
  // At level 5 the own run toward d has 3 free cells: weight min(8, cap) differs.
  EXPECT_EQ(WorkedAxis(s, 5, 1, 0, 8, 14) - WorkedAxis(s, 5, 1, 0, 8, 15), 8 * 4 * (6 - 5));
}

// A run of n stones toward direction 4 and nothing else: the line through the cell is
// the run, boosted for X to move and as it is for O.
TEST(RunBoost, TableAndContinuation) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  const int32_t expected[] = {0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21};
  s.currentTables = &tables;
  s.stoneCount = 8;
  for (int n = 0; n < 12; n++) {
    for (int own : {0, 1}) {
      tables = {};
      Entry(own, 4, n, 0, n, 0, 0);
      s.ownIndex = uint8_t(own);
      s.oppIndex = uint8_t(1 - own);
      PrepareSpanWeights(s, 5);
      EXPECT_EQ(ScoreWeightedAxes(s).lineValue[own][0], own == kPlayerX ? expected[n] : n) << n << " own " << own;
    }
  }
}

TEST(ScoreWeighted, BoostOnlyForXToMove) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  // A run of four own stones toward direction 0 and open space beyond both ends.
  auto score = [&s](int side) {
    tables = {};
    int own = side - 1;
    Entry(own, 0, 4, 5, 5, 5, 4);
    Entry(own, 4, 0, 6, 1, 1, 5);
    s.currentTables = &tables;
    s.ownIndex = uint8_t(own);
    s.oppIndex = uint8_t(1 - own);
    s.stoneCount = 8;
    PrepareSpanWeights(s, 5);
    return ScoreWeighted(s);
  };
  // X: B = 1 + boost(4) = 8; O: B = 1 + 4 = 5, A = 5 wins the tie. The line terms differ.
  EXPECT_GT(score(1), score(2));
}

namespace {

// The axis contribution as plain integer arithmetic, one player and axis at a time.
struct ReferenceAxis {
  const CellTables& t;
  const WeightedConstants& k;
  const EngineState& s;
  int d;

  static int32_t Capped(int32_t mul, int32_t value, int32_t add, int32_t cap) {
    return std::min<int32_t>(uint8_t(mul * value + add), cap);
  }
  int32_t Shape(int p) const {
    int a = TableIndex(p, d), b = TableIndex(p, opposite[d]);
    int32_t runA = t.runLen[a], runB = t.runLen[b], spanA = t.spanLen[a], spanB = t.spanLen[b];
    int32_t score = runA * runA * Capped(k.runWeightMul, t.runFree[a], k.runWeightAdd, k.runWeightCap) +
                    runB * runB * Capped(k.runWeightMul, t.runFree[b], k.runWeightAdd, k.runWeightCap) +
                    s.spanWeight * (spanA + 1) * (spanA + 1) + s.spanWeight * (spanB + 1) * (spanB + 1) +
                    k.gapMul * s.spanWeight * (t.spanGap[b] + t.spanGap[a]);
    if (d == 0 || d == 2) score += spanA * spanA + spanB * spanB / s.spanDivisor;
    return score;
  }
  int32_t Line(int p) const {
    int a = TableIndex(p, d), b = TableIndex(p, opposite[d]);
    bool boosted = p == s.ownIndex && s.ownIndex == kPlayerX;
    auto boost = [boosted](int n) { return boosted && n > 0 ? 2 * n - 1 : n; };
    int32_t towardA = uint8_t(t.spanLen[a] + boost(t.runLen[b]));
    int32_t towardB = uint8_t(t.spanLen[b] + boost(t.runLen[a]));
    bool keepA = towardA >= towardB;
    int32_t v = keepA ? towardA : towardB;
    int32_t freeEnds = keepA ? t.spanFree[a] + t.runFree[b] : t.spanFree[b] + t.runFree[a];
    int32_t w = Capped(k.lineWeightMul, freeEnds, k.lineWeightAdd, k.lineWeightCap);
    return (v * v * w + k.lineCoef * v) / k.lineDiv + (v + 1) * (v + 1) / k.squareDiv + k.shapeMul * Shape(p);
  }
  int32_t Reach(int p) const {
    int a = TableIndex(p, d), b = TableIndex(p, opposite[d]);
    return t.spanLen[a] + t.spanLen[b] + t.spanFree[a] + t.spanFree[b];
  }
  bool Cramped() const { return Reach(s.ownIndex) <= kCrampedLimit && Reach(s.oppIndex) <= kCrampedLimit; }
  int32_t Contribution() const {
    if (!Cramped()) return Line(s.ownIndex) + Line(s.oppIndex);
    int o = opposite[d];
    return t.spanLen[TableIndex(s.ownIndex, d)] + t.spanLen[TableIndex(s.oppIndex, d)] +
           t.spanLen[TableIndex(s.ownIndex, o)] + t.spanLen[TableIndex(s.oppIndex, o)];
  }
};

}  // namespace

// The four axes and both players are scored side by side, so every entry gets its own
// random value (up to the 19 a 20 x 20 board allows), on both levels, in every stone
// band, for both sides to move.
TEST(ScoreWeighted, MatchesPlainArithmeticOnRandomTables) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  std::mt19937 rng(5);
  s.currentTables = &tables;
  for (int round = 0; round < 20000; round++) {
    for (uint8_t* table : {tables.runLen, tables.runFree, tables.spanLen, tables.spanGap, tables.spanFree})
      for (int i = 0; i < kTableEntries; i++) table[i] = uint8_t(rng() % (round % 2 ? 20 : 4));
    s.ownIndex = uint8_t(rng() % 2);
    s.oppIndex = uint8_t(1 - s.ownIndex);
    s.stoneCount = int32_t(rng() % 30);
    s.boardMax = uint8_t(10 + rng() % 10);
    PrepareSpanWeights(s, 5 + int(rng() % 2));
    const WeightedAxes axes = ScoreWeightedAxes(s);
    int32_t expected = 0;
    for (int d = 0; d < kAxes; d++) {
      const ReferenceAxis axis{tables, s.weightedConstants, s, d};
      expected += axis.Contribution();
      ASSERT_EQ(axes.contribution[d], axis.Contribution()) << "round " << round << " axis " << d;
      ASSERT_EQ(axes.shape[0][d], axis.Shape(0)) << "round " << round << " axis " << d;
      ASSERT_EQ(axes.shape[1][d], axis.Shape(1)) << "round " << round << " axis " << d;
    }
    ASSERT_EQ(ScoreWeighted(s), expected) << "round " << round;
  }
}

#include "choice/weighted_scorers.h"

#include <gtest/gtest.h>

#include "analysis/cell_tables.h"
#include "choice/move_search.h"
#include "driver/position.h"

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
// toward the opposite direction five empty cells and the edge.
int32_t WorkedAxis(int level, int side, int d, int stones = 8, int max = 19) {
  tables = {};
  int own = side - 1, opp = 2 - side, o = opposite[d];
  Entry(own, d, 2, 3, 3, 3, 2);
  Entry(own, o, 0, 5, 1, 1, 4);
  Entry(opp, o, 0, 5, 1, 1, 4);
  currentTables = &tables;
  ownIndex = uint8_t(own);
  oppIndex = uint8_t(opp);
  stoneCount = stones;
  boardMax = uint8_t(max);
  PrepareSpanWeights(level);
  return ScoreWeighted();
}

}  // namespace

TEST(ScoreWeighted, WorkedAxisLevelFive) {
  EXPECT_EQ(WorkedAxis(5, 1, 0), 913);
  EXPECT_EQ(WorkedAxis(5, 1, 1), 841);
  EXPECT_EQ(WorkedAxis(5, 2, 0), 870);
  EXPECT_EQ(WorkedAxis(5, 2, 1), 798);
}

TEST(ScoreWeighted, WorkedAxisShapesLevelFive) {
  WorkedAxis(5, 1, 0);
  EXPECT_EQ(shapeScore[0], 85);
  EXPECT_EQ(shapeScore[1], 14);
  WorkedAxis(5, 1, 1);
  EXPECT_EQ(shapeScore[0], 76);
}

TEST(ScoreWeighted, WorkedAxisLevelSix) {
  EXPECT_EQ(WorkedAxis(6, 1, 0), (90 + 1 + 22 * 701) + (8 + 0 + 22 * 156));
  EXPECT_EQ(shapeScore[0], 701);
  EXPECT_EQ(shapeScore[1], 156);
}

TEST(ScoreWeighted, CrampedAxisAddsSpanLengths) {
  tables = {};
  Entry(1, 0, 1, 0, 1, 0, 0);
  Entry(1, 4, 1, 0, 1, 0, 0);
  currentTables = &tables;
  ownIndex = 0;
  oppIndex = 1;
  stoneCount = 8;
  PrepareSpanWeights(5);
  EXPECT_EQ(ScoreWeighted(), 2);
}

TEST(ScoreWeighted, ReachFourIsCrampedReachFiveIsNot) {
  currentTables = &tables;
  ownIndex = 0;
  oppIndex = 1;
  stoneCount = 8;
  PrepareSpanWeights(6);
  tables = {};
  Entry(0, 0, 1, 1, 2, 2, 2);  // reach 2 + 2 = 4 for own, nothing for opp
  EXPECT_EQ(ScoreWeighted(), 2);
  Entry(0, 0, 1, 1, 2, 2, 3);  // reach 5: full line terms
  EXPECT_GT(ScoreWeighted(), 100);
}

TEST(PrepareSpanWeights, StoneCountBands) {
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
    stoneCount = c.stones;
    PrepareSpanWeights(c.level);
    EXPECT_EQ(spanWeight, c.weight) << c.stones << " L" << c.level;
    EXPECT_EQ(spanDivisor, c.divisor) << c.stones << " L" << c.level;
  }
}

TEST(PrepareSpanWeights, RunWeightCapFollowsBoardSizeAtLevelFiveOnly) {
  boardMax = 14;
  PrepareSpanWeights(5);
  EXPECT_EQ(weightedConstants.runWeightCap, 6);
  boardMax = 15;
  PrepareSpanWeights(5);
  EXPECT_EQ(weightedConstants.runWeightCap, 5);
  // Level 6 scores the same on both sizes.
  EXPECT_EQ(WorkedAxis(6, 1, 0, 8, 14), WorkedAxis(6, 1, 0, 8, 15));
  // At level 5 the own run toward d has 3 free cells: weight min(8, cap) differs.
  EXPECT_EQ(WorkedAxis(5, 1, 0, 8, 14) - WorkedAxis(5, 1, 0, 8, 15), 8 * 4 * (6 - 5));
}

TEST(RunBoost, TableAndContinuation) {
  const int32_t expected[] = {0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21};
  for (int n = 0; n < 12; n++) EXPECT_EQ(RunBoost(n), expected[n]) << n;
}

TEST(ScoreWeighted, BoostOnlyForXToMove) {
  // A run of four own stones toward direction 0 and open space beyond both ends.
  auto score = [](int side) {
    tables = {};
    int own = side - 1;
    Entry(own, 0, 4, 5, 5, 5, 4);
    Entry(own, 4, 0, 6, 1, 1, 5);
    currentTables = &tables;
    ownIndex = uint8_t(own);
    oppIndex = uint8_t(1 - own);
    stoneCount = 8;
    PrepareSpanWeights(5);
    return ScoreWeighted();
  };
  // X: B = 1 + boost(4) = 8; O: B = 1 + 4 = 5, A = 5 wins the tie. The line terms differ.
  EXPECT_GT(score(1), score(2));
}

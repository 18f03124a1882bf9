#include "engine/choice/move_search.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/board/ai_level.h"
#include "engine/board/position.h"
#include "engine/board/random.h"
#include "engine/engine_state.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

const std::vector<StoneAt> kFiveCompletion = {{5, 5, 'x'}, {6, 5, 'x'}, {7, 5, 'x'},
                                              {8, 5, 'x'}, {4, 5, 'o'}, {10, 10, 'o'}};

Move Choose(const std::vector<StoneAt>& stones, int side, int level, uint32_t seed, int size = 20) {
  LoadPosition(RowsWithStones(size, stones), side);
  aiLevel = level;
  randomSeed = seed;
  ChooseMove();
  return bestMove;
}

}  // namespace

TEST(ChooseMove, CompletesFiveAtEveryLevelWhateverTheDraws) {
  for (int level = 0; level <= 6; level++)
    for (uint32_t seed : {0u, 1u, 99u, 123456789u, 4294967295u}) {
      Move move = Choose(kFiveCompletion, 1, level, seed);
      EXPECT_EQ(move.x, 9) << level;
      EXPECT_EQ(move.y, 5) << level;
      EXPECT_EQ(bestScore, level <= 1 ? 32767 : 999999999) << level;
    }
}

TEST(ChooseMove, BlocksFiveWhenOToMove) {
  for (int level = 0; level <= 6; level++) {
    Move move = Choose(kFiveCompletion, 2, level, 5);
    EXPECT_EQ(move.x, 9) << level;
    EXPECT_EQ(move.y, 5) << level;
  }
}

TEST(ChooseMove, SidesIndices) {
  Choose(kFiveCompletion, 2, 3, 0);
  EXPECT_EQ(ownIndex, 1);
  EXPECT_EQ(oppIndex, 0);
  Choose({{9, 9, 'x'}}, 1, 3, 0);  // set even for an opening
  EXPECT_EQ(ownIndex, 0);
  EXPECT_EQ(oppIndex, 1);
}

TEST(ChooseMove, FullBoardHasNoMove) {
  std::vector<StoneAt> stones;
  for (int x = 0; x < 20; x++)
    for (int y = 0; y < 20; y++) stones.push_back({x, y, ((x / 2 + y) % 2) ? 'x' : 'o'});
  for (int level = 0; level <= 6; level++) {
    Move move = Choose(stones, 1, level, 7);
    EXPECT_EQ(move.x, -1);
    EXPECT_EQ(move.y, -1);
    EXPECT_EQ(bestScore, -1);
    EXPECT_EQ(evaluatedCount, 0);
  }
}

TEST(ChooseMove, EvaluatesEmptyCandidatesInScanOrder) {
  Choose({{9, 9, 'x'}, {10, 9, 'o'}, {9, 10, 'x'}}, 2, 4, 3);
  // Candidates: (7..12, 7..12) but for the corner (12, 12), less the three stones.
  ASSERT_EQ(evaluatedCount, 36 - 1 - 3);
  for (int i = 1; i < evaluatedCount; i++) {
    const EvaluatedCell& a = evaluatedCells[i - 1];
    const EvaluatedCell& b = evaluatedCells[i];
    EXPECT_TRUE(a.x < b.x || (a.x == b.x && a.y < b.y));
  }
  int32_t top = -1;
  for (int i = 0; i < evaluatedCount; i++) top = std::max(top, evaluatedCells[i].cellScore);
  EXPECT_EQ(bestScore, top);
}

TEST(UpdateBestMove, TieRuleDrawsOnlyOnEquality) {
  bestScore = -1;
  bestMove = {-1, -1};
  randomSeed = 0;
  currentX = 1;
  currentY = 2;
  cellScore = 0;
  UpdateBestMove();  // higher than -1: taken without a draw
  EXPECT_EQ(randomSeed, 0u);
  EXPECT_EQ(bestMove.x, 1);

  currentX = 3;
  cellScore = -3;
  UpdateBestMove();  // lower: kept, no draw
  EXPECT_EQ(randomSeed, 0u);
  EXPECT_EQ(bestMove.x, 1);

  // Equal: Random(3) decides; seed 0's first draw with n = 3 is 0, so it is taken.
  cellScore = 0;
  UpdateBestMove();
  EXPECT_EQ(randomSeed, 1u);
  EXPECT_EQ(bestMove.x, 3);

  SeedGiving({3}, {1});
  currentX = 5;
  UpdateBestMove();  // r = 1 keeps the held cell
  EXPECT_EQ(bestMove.x, 3);
}

TEST(ChooseMove, TiesFavourEarlierCellsAsTheDrawsSay) {
  // Over many seeds, the share of each tied top cell follows the 1/3 displacement
  // rule: the first of k tied cells survives with probability (2/3)^(k-1).
  const std::vector<StoneAt> stones = {{9, 9, 'x'}, {11, 11, 'o'}, {13, 9, 'x'}};
  int firstTop = 0, seeds = 600;
  Move first = {-1, -1};
  for (int seed = 0; seed < seeds; seed++) {
    Move move = Choose(stones, 2, 2, uint32_t(seed) * 7919u);
    if (seed == 0) {
      // Find the first top-scoring cell of the scan.
      for (int i = 0; i < evaluatedCount; i++)
        if (evaluatedCells[i].cellScore == bestScore) {
          first = {evaluatedCells[i].x, evaluatedCells[i].y};
          break;
        }
    }
    if (move.x == first.x && move.y == first.y) firstTop++;
  }
  int ties = 0;
  for (int i = 0; i < evaluatedCount; i++) ties += evaluatedCells[i].cellScore == bestScore;
  ASSERT_GE(ties, 2);
  double expected = seeds;
  for (int i = 1; i < ties; i++) expected *= 2.0 / 3.0;
  EXPECT_NEAR(firstTop, expected, 4 * std::sqrt(expected) + 3);
}

TEST(ChooseMove, AnOpeningLeavesNoCellOfTheSearchBefore) {
  Choose({{9, 9, 'x'}, {10, 9, 'o'}, {9, 10, 'x'}}, 2, 4, 3);
  ASSERT_GT(evaluatedCount, 0);
  // The next position is loaded without the run's reset, as a long-lived caller may.
  ResetPosition();
  PlaceStone(9, 9, kCellX);
  PrepareCandidates();
  ChooseMove();
  EXPECT_EQ(evaluatedCount, 0);
}

#include "engine/choice/move_search.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/analysis/candidates.h"
#include "engine/board/position.h"
#include "engine/board/random.h"
#include "engine/load_position.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

const std::vector<StoneAt> kFiveCompletion = {{5, 5, 'x'}, {6, 5, 'x'}, {7, 5, 'x'},
                                              {8, 5, 'x'}, {4, 5, 'o'}, {10, 10, 'o'}};

Move Choose(EngineState& s, const std::vector<StoneAt>& stones, int side, int level, uint32_t seed, int size = 20) {
  LoadPosition(s, RowsWithStones(size, stones), side);
  s.aiLevel = level;
  s.randomSeed = seed;
  ChooseMove(s);
  return s.bestMove;
}

}  // namespace

TEST(ChooseMove, CompletesFiveAtEveryLevelWhateverTheDraws) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  for (int level = 0; level <= 6; level++)
    for (uint32_t seed : {0u, 1u, 99u, 123456789u, 4294967295u}) {
      Move move = Choose(s, kFiveCompletion, 1, level, seed);
      EXPECT_EQ(move.x, 9) << level;
      EXPECT_EQ(move.y, 5) << level;
      EXPECT_EQ(s.bestScore, level <= 1 ? 32767 : 999999999) << level;
    }
}

TEST(ChooseMove, BlocksFiveWhenOToMove) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  for (int level = 0; level <= 6; level++) {
    Move move = Choose(s, kFiveCompletion, 2, level, 5);
    EXPECT_EQ(move.x, 9) << level;
    EXPECT_EQ(move.y, 5) << level;
  }
}

TEST(ChooseMove, SidesIndices) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  Choose(s, kFiveCompletion, 2, 3, 0);
  EXPECT_EQ(s.ownIndex, 1);
  EXPECT_EQ(s.oppIndex, 0);
  Choose(s, {{9, 9, 'x'}}, 1, 3, 0);  // set even for an opening
  EXPECT_EQ(s.ownIndex, 0);
  EXPECT_EQ(s.oppIndex, 1);
}

TEST(ChooseMove, FullBoardHasNoMove) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  std::vector<StoneAt> stones;
  for (int x = 0; x < 20; x++)
    for (int y = 0; y < 20; y++) stones.push_back({x, y, ((x / 2 + y) % 2) ? 'x' : 'o'});
  for (int level = 0; level <= 6; level++) {
    Move move = Choose(s, stones, 1, level, 7);
    EXPECT_EQ(move.x, -1);
    EXPECT_EQ(move.y, -1);
    EXPECT_EQ(s.bestScore, -1);
    EXPECT_EQ(s.evaluatedCount, 0);
  }
}

TEST(ChooseMove, EvaluatesEmptyCandidatesInScanOrder) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  Choose(s, {{9, 9, 'x'}, {10, 9, 'o'}, {9, 10, 'x'}}, 2, 4, 3);
  // Candidates: (7..12, 7..12) but for the corner (12, 12), less the three stones.
  ASSERT_EQ(s.evaluatedCount, 36 - 1 - 3);
  for (int i = 1; i < s.evaluatedCount; i++) {
    const EvaluatedCell& a = s.evaluatedCells[i - 1];
    const EvaluatedCell& b = s.evaluatedCells[i];
    EXPECT_TRUE(a.x < b.x || (a.x == b.x && a.y < b.y));
  }
  int32_t top = -1;
  for (int i = 0; i < s.evaluatedCount; i++) top = std::max(top, s.evaluatedCells[i].cellScore);
  EXPECT_EQ(s.bestScore, top);
}

TEST(UpdateBestMove, TieRuleDrawsOnlyOnEquality) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  s.bestScore = -1;
  s.bestMove = {-1, -1};
  s.randomSeed = 0;
  s.cellScore = 0;
  UpdateBestMove(s, {1, 2});  // higher than -1: taken without a draw
  EXPECT_EQ(s.randomSeed, 0u);
  EXPECT_EQ(s.bestMove.x, 1);
  EXPECT_EQ(s.bestMove.y, 2);

  s.cellScore = -3;
  UpdateBestMove(s, {3, 2});  // lower: kept, no draw
  EXPECT_EQ(s.randomSeed, 0u);
  EXPECT_EQ(s.bestMove.x, 1);

  // Equal: Random(3) decides; seed 0's first draw with n = 3 is 0, so it is taken.
  s.cellScore = 0;
  UpdateBestMove(s, {3, 2});
  EXPECT_EQ(s.randomSeed, 1u);
  EXPECT_EQ(s.bestMove.x, 3);

  s.randomSeed = SeedGiving({3}, {1});
  UpdateBestMove(s, {5, 2});  // r = 1 keeps the held cell
  EXPECT_EQ(s.bestMove.x, 3);
}

TEST(ChooseMove, TiesFavourEarlierCellsAsTheDrawsSay) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  // Over many seeds, the share of each tied top cell follows the 1/3 displacement
  // rule: the first of k tied cells survives with probability (2/3)^(k-1).
  const std::vector<StoneAt> stones = {{9, 9, 'x'}, {11, 11, 'o'}, {13, 9, 'x'}};
  int firstTop = 0, seeds = 600;
  Move first = {-1, -1};
  for (int seed = 0; seed < seeds; seed++) {
    Move move = Choose(s, stones, 2, 2, uint32_t(seed) * 7919u);
    if (seed == 0) {
      // Find the first top-scoring cell of the scan.
      for (int i = 0; i < s.evaluatedCount; i++)
        if (s.evaluatedCells[i].cellScore == s.bestScore) {
          first = {s.evaluatedCells[i].x, s.evaluatedCells[i].y};
          break;
        }
    }
    if (move.x == first.x && move.y == first.y) firstTop++;
  }
  int ties = 0;
  for (int i = 0; i < s.evaluatedCount; i++) ties += s.evaluatedCells[i].cellScore == s.bestScore;
  ASSERT_GE(ties, 2);
  double expected = seeds;
  for (int i = 1; i < ties; i++) expected *= 2.0 / 3.0;
  EXPECT_NEAR(firstTop, expected, 4 * std::sqrt(expected) + 3);
}

TEST(ChooseMove, AnOpeningLeavesNoCellOfTheSearchBefore) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  Choose(s, {{9, 9, 'x'}, {10, 9, 'o'}, {9, 10, 'x'}}, 2, 4, 3);
  ASSERT_GT(s.evaluatedCount, 0);
  // The next position is loaded without the run's reset, as a long-lived caller may.
  ResetPosition(s);
  PlaceStone(s, 9, 9, kCellX);
  PrepareCandidates(s);
  ChooseMove(s);
  EXPECT_EQ(s.evaluatedCount, 0);
}

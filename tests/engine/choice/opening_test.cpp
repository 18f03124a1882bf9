#include "engine/choice/opening.h"

#include <gtest/gtest.h>

#include <map>

#include "engine/board/position.h"
#include "engine/board/random.h"
#include "engine/choice/move_search.h"
#include "engine/load_position.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

Move Open(EngineState& s, const std::vector<StoneAt>& stones, uint32_t seed, int size = 20) {
  LoadPosition(s, RowsWithStones(size, stones), 1);
  s.randomSeed = seed;
  ChooseMove(s);
  EXPECT_EQ(s.bestScore, kOpeningScore);
  return s.bestMove;
}

std::map<std::pair<int, int>, int> Spread(const std::vector<StoneAt>& stones, int seeds = 800) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  std::map<std::pair<int, int>, int> counts;
  for (int seed = 0; seed < seeds; seed++) {
    Move move = Open(s, stones, uint32_t(seed) * 2654435761u);
    counts[{move.x, move.y}]++;
  }
  return counts;
}

}  // namespace

TEST(Opening, EmptyBoardTakesCentre) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  Move move = Open(s, {}, 0);
  EXPECT_EQ(move.x, 9);
  EXPECT_EQ(move.y, 9);
  move = Open(s, {}, 0, 15);
  EXPECT_EQ(move.x, 7);
  EXPECT_EQ(move.y, 7);
}

TEST(Opening, WalkFromCentralStoneReachesEachNeighbour) {
  auto counts = Spread({{9, 9, 'x'}});
  EXPECT_EQ(counts.size(), 8u);
  for (const auto& [cell, count] : counts) {
    EXPECT_LE(std::abs(cell.first - 9), 1);
    EXPECT_LE(std::abs(cell.second - 9), 1);
    EXPECT_NEAR(count, 100, 40);
  }
}

TEST(Opening, StoneNearEdgeUsesTheFourCentreCells) {
  for (StoneAt stone : {StoneAt{1, 10, 'x'}, StoneAt{18, 10, 'o'}}) {
    auto counts = Spread({stone});
    EXPECT_EQ(counts.size(), 4u);
    for (const auto& [cell, count] : counts) {
      EXPECT_TRUE(cell.first == 9 || cell.first == 10);
      EXPECT_TRUE(cell.second == 9 || cell.second == 10);
      EXPECT_NEAR(count, 200, 60);
    }
  }
  // (17, 10) is two cells from the edge: the walk applies.
  auto counts = Spread({{17, 10, 'x'}});
  for (const auto& [cell, count] : counts) EXPECT_LE(std::abs(cell.first - 17), 1);
}

TEST(Opening, LastStoneHasLargestX) {
  // (10, 1) is the last stone; its y = 1 sends the move to the centre cells.
  auto counts = Spread({{3, 17, 'x'}, {10, 1, 'o'}}, 200);
  for (const auto& [cell, count] : counts) {
    EXPECT_TRUE(cell.first == 9 || cell.first == 10);
    EXPECT_TRUE(cell.second == 9 || cell.second == 10);
  }
}

TEST(Opening, WalkContinuesOverTheOtherStone) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  // From (10, 10) a first step in direction 5 lands on (9, 9); the walk goes on.
  uint32_t seed = SeedGiving({8, 8}, {5, 5});
  Move move = Open(s, {{9, 9, 'x'}, {10, 10, 'o'}}, seed);
  EXPECT_EQ(move.x, 8);
  EXPECT_EQ(move.y, 8);
}

TEST(Opening, CentreDrawsXThenY) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  uint32_t seed = SeedGiving({2, 2}, {1, 0});
  Move move = Open(s, {{0, 0, 'x'}}, seed);
  EXPECT_EQ(move.x, 10);
  EXPECT_EQ(move.y, 9);
}

TEST(Opening, OccupiedCentreCellFallsBackToFreeNeighbour) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  // Stones at (9, 9) and (19, 19): the draws that name (9, 9) give its first free
  // neighbour in direction order, (10, 9), instead of an occupied cell.
  uint32_t seed = SeedGiving({2, 2}, {0, 0});
  Move move = Open(s, {{9, 9, 'x'}, {19, 19, 'o'}}, seed);
  EXPECT_EQ(move.x, 10);
  EXPECT_EQ(move.y, 9);
  uint32_t drawsTwo = (seed * 134775813u + 1u) * 134775813u + 1u;
  EXPECT_EQ(s.randomSeed, drawsTwo);  // no extra draw

  // Direction 0's neighbour taken too: the next direction, (10, 10).
  seed = SeedGiving({2, 2}, {0, 0});
  move = Open(s, {{9, 9, 'x'}, {10, 9, 'o'}}, seed);  // last stone (10, 9) walks instead
  EXPECT_TRUE(s.board[move.x][move.y] == kCellEmpty);
}

TEST(Opening, TinyBoardsNeverNameCellsOffTheBoard) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  // On a 1 x 1 board the centre draws may name (1, 0) and friends, off the board.
  for (uint32_t seed = 0; seed < 50; seed++) {
    Move move = Open(s, {{0, 0, 'x'}}, seed, 1);
    EXPECT_EQ(move.x, -1);
    EXPECT_EQ(move.y, -1);
  }
  // On a 2 x 2 board with one stone a free cell is always found.
  for (uint32_t seed = 0; seed < 50; seed++) {
    Move move = Open(s, {{1, 1, 'x'}}, seed, 2);
    ASSERT_TRUE(IsOnBoard(s, move.x, move.y));
    EXPECT_EQ(s.board[move.x][move.y], kCellEmpty);
  }
}

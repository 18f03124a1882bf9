#include "file_program/run_sequence.h"

#include <gtest/gtest.h>
#include <tulvo/file_protocol.h>

#include <set>

#include "support/engine_fixture.h"

using namespace tulvo;
using namespace tulvo::file_program;
using namespace tulvo::test;

namespace {

std::string Midgame() {
  return BoardText(RowsWithStones(20, {{8, 8, 'x'},
                                       {9, 8, 'o'},
                                       {9, 9, 'x'},
                                       {10, 10, 'o'},
                                       {8, 10, 'x'},
                                       {7, 9, 'o'},
                                       {10, 8, 'x'},
                                       {11, 7, 'o'},
                                       {8, 9, 'x'},
                                       {8, 7, 'o'}}));
}

}  // namespace

TEST(RunProgram, SameInputAndClockGiveSameBytesAfterReset) {
  const std::string board = Midgame();
  for (int level = 0; level <= 6; level++) {
    const std::string argument = LevelArgument(level);
    for (uint32_t ms : {0u, 1u, 43210987u, 86399999u}) {
      MemoryRun first = RunInMemory(board.c_str(), "o", {argument}, ms);
      MemoryRun second = RunInMemory(board.c_str(), "o", {argument}, ms);
      EXPECT_EQ(first.tah, second.tah) << level << " " << ms;
      EXPECT_EQ(first.console, "");
      EXPECT_EQ(first.exitCode, 0);
      EXPECT_NE(first.tah, "o");
    }
  }
}

TEST(RunProgram, LevelZeroDependsOnTheClock) {
  // The damping draws make level 0 vary with the seed on an open position.
  const std::string board = Midgame();
  std::set<std::string> moves;
  for (uint32_t ms = 0; ms < 40; ms++) moves.insert(RunInMemory(board.c_str(), "o", {"/0"}, ms).tah);
  EXPECT_GT(moves.size(), 1u);
}

TEST(RunProgram, EveryLevelCompletesFive) {
  const std::string board =
      BoardText(RowsWithStones(20, {{5, 5, 'x'}, {6, 5, 'x'}, {7, 5, 'x'}, {8, 5, 'x'}, {4, 5, 'o'}, {10, 10, 'o'}}));
  for (int level = 0; level <= 6; level++)
    for (uint32_t ms : {0u, 777u, 5000000u}) {
      MemoryRun run = RunInMemory(board.c_str(), "x", {LevelArgument(level)}, ms);
      EXPECT_EQ(run.tah, "9,5") << level;
    }
  // No argument and a name without a level digit: level 6.
  const MemoryRun unnamed = RunInMemory(board.c_str(), "x", {}, 0, "/usr/games/tulvo");
  EXPECT_EQ(unnamed.tah, "9,5");
  EXPECT_EQ(StateAfter(unnamed).aiLevel, 6);
}

TEST(DecideMove, MatchesTheFileRun) {
  const std::string board = Midgame();
  for (int level = 0; level <= 6; level++) {
    MemoryRun run = RunInMemory(board.c_str(), "x", {LevelArgument(level)}, 123456);
    const Choice choice = DecideMove(RequestOfBoard(ReadBoardText(board, kSideX), level, 123456));
    EXPECT_EQ(run.tah, std::to_string(choice.x) + "," + std::to_string(choice.y)) << level;
  }
}

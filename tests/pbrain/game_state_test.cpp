// The game kept between commands, and how it reaches the engine.
#include "pbrain/game_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "pbrain/move_request.h"
#include "support/engine_fixture.h"

using namespace tulvo::pbrain;
using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

bool SameGame(const Game& a, const Game& b) {
  return a.size == b.size && memcmp(a.cells, b.cells, sizeof a.cells) == 0;
}

TEST(PbrainGame, RefusedChangesLeaveTheGameAsItWas) {
  Game game = MakeGame();
  EXPECT_EQ(PlaceCell(game, 0, 0, kGameOwn), "no game started: send START first");
  EXPECT_EQ(TakeBackCell(game, 0, 0), "no game started: send START first");
  StartGame(game, 15);
  ASSERT_EQ(PlaceCell(game, 7, 7, kGameOpponent), "");
  struct Case {
    int x, y;
    const char* problem;
  } places[] = {
      {7, 7, "cell 7,7 is already occupied"},
      {15, 0, "cell 15,0 is outside the 15x15 board"},
      {0, 15, "cell 0,15 is outside the 15x15 board"},
      {-1, 3, "cell -1,3 is outside the 15x15 board"},
  };
  for (const Case& c : places) {
    Game before = game;
    EXPECT_EQ(PlaceCell(game, c.x, c.y, kGameOwn), c.problem);
    EXPECT_TRUE(SameGame(game, before));
  }
  Game before = game;
  EXPECT_EQ(TakeBackCell(game, 3, 3), "cell 3,3 is empty: nothing to take back");
  EXPECT_EQ(TakeBackCell(game, 19, 19), "cell 19,19 is outside the 15x15 board");
  EXPECT_TRUE(SameGame(game, before));
  EXPECT_EQ(TakeBackCell(game, 7, 7), "");
  EXPECT_EQ(CountStones(game), 0);
}

TEST(PbrainGame, SupportedSizesAndFullBoards) {
  EXPECT_FALSE(IsSupportedSize(4));
  EXPECT_TRUE(IsSupportedSize(5));
  EXPECT_TRUE(IsSupportedSize(20));
  EXPECT_FALSE(IsSupportedSize(21));
  Game game = MakeGame();
  StartGame(game, 5);
  for (int i = 0; i < 24; i++) PlaceCell(game, i % 5, i / 5, i % 3 == 0 ? kGameBlocked : kGameOwn);
  EXPECT_TRUE(HasEmptyCell(game));
  PlaceCell(game, 4, 4, kGameOpponent);
  EXPECT_FALSE(HasEmptyCell(game));
  EXPECT_EQ(CountStones(game), 25 - 8);
}

// Blocked cells are not stones: they neither change the engine's colour nor mark
// candidates, and they reach the engine's board as blocked cells.
TEST(PbrainGame, BlockedCellsReachTheEngineAsNeitherStoneNorCandidate) {
  Game game = MakeGame();
  StartGame(game, 20);
  PlaceCell(game, 3, 3, kGameOwn);
  PlaceCell(game, 4, 3, kGameOpponent);
  for (int x = 10; x < 15; x++) PlaceCell(game, x, 12, kGameBlocked);
  EXPECT_EQ(EngineColour(game), kCellX);
  PlaceCell(game, 17, 1, kGameOpponent);
  EXPECT_EQ(EngineColour(game), kCellO);
  tulvo::Request request;
  request.position = GamePosition(game);
  const auto storage = std::make_unique<tulvo::EngineStorage>();
  tulvo::DecideMove(request, *storage);
  const EngineState& s = StateIn(*storage);
  EXPECT_EQ(s.stoneCount, 3);
  EXPECT_EQ(s.sideToMove, 2);
  EXPECT_EQ(s.board[3][3], kCellO);
  EXPECT_EQ(s.board[4][3], kCellX);
  EXPECT_EQ(s.board[12][12], kCellBlocked);
  for (int x = 0; x < 20; x++) {
    for (int y = 0; y < 20; y++) {
      bool nearStone = false;
      for (Move stone : {Move{3, 3}, Move{4, 3}, Move{17, 1}})
        nearStone = nearStone || (abs(x - stone.x) <= 2 && abs(y - stone.y) <= 2);
      EXPECT_EQ(s.candidateMask[x][y], nearStone ? 1 : 0) << x << "," << y;
    }
  }
}

// Own four on row 5 with one end blocked: the engine completes five at the other
// end at every level, and never plays the blocked cell.
TEST(PbrainGame, BlockedCellIsNeverChosen) {
  for (int blockedEnd : {4, 9}) {
    Game game = MakeGame();
    StartGame(game, 20);
    for (int x = 5; x <= 8; x++) PlaceCell(game, x, 5, kGameOwn);
    PlaceCell(game, blockedEnd, 5, kGameBlocked);
    for (Move stone : {Move{0, 19}, Move{19, 0}, Move{19, 19}, Move{15, 15}})
      PlaceCell(game, stone.x, stone.y, kGameOpponent);
    int openEnd = blockedEnd == 4 ? 9 : 4;
    for (int level = 0; level <= 6; level++) {
      for (uint32_t seed : {0u, 12345u, 86399999u}) {
        tulvo::Choice move = ChooseGameMove(game, level, seed);
        EXPECT_EQ(move.x, openEnd) << "level " << level << " seed " << seed;
        EXPECT_EQ(move.y, 5);
      }
    }
  }
}

}  // namespace

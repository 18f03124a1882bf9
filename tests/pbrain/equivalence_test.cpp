// The pipe program's move path against the file program's whole run on the same
// position, level and seed.
#include <gtest/gtest.h>
#include <tulvo/file_protocol.h>

#include <random>
#include <string>
#include <vector>

#include "pbrain/move_request.h"
#include "support/engine_fixture.h"

using namespace tulvo::pbrain;
using namespace tulvo::test;

namespace {

constexpr uint32_t kMillisecondsPerDay = 24u * 60 * 60 * 1000;

// plocha.dat for the game, with the engine's stones in its own colour's letter.
std::string PlochaOf(const Game& game) {
  char own = EngineColour(game) == tulvo::kStoneX ? 'x' : 'o';
  char opponent = own == 'x' ? 'o' : 'x';
  std::string text;
  for (int y = 0; y < game.size; y++) {
    for (int x = 0; x < game.size; x++) {
      uint8_t cell = game.cells[x][y];
      text += cell == kGameOwn ? own : cell == kGameOpponent ? opponent : '-';
    }
    text += "\r\n";
  }
  return text;
}

// What the file program leaves in tah.dat: the move, or the side letter without one.
std::string TahAfter(const tulvo::Choice& move, const std::string& side) {
  return move.hasMove ? tulvo::MoveText(move.x, move.y) : side;
}

// Runs the file program on the game and checks that it writes the pipe path's move.
void ExpectSameMove(const Game& game, int level, uint32_t seed, const tulvo::Choice& move) {
  std::string side = EngineColour(game) == tulvo::kStoneX ? "x" : "o";
  std::string argument = {'/', char('0' + level)};
  MemoryRun run = RunInMemory(PlochaOf(game).c_str(), side.c_str(), {argument}, seed);
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.tah, TahAfter(move, side)) << "level " << level << " seed " << seed << " size " << game.size << "\n"
                                           << PlochaOf(game);
}

// A random game: size 5..20, up to 60 stones of random owners; a third of the games
// hold only one or two stones so that the opening rules are well covered.
Game RandomGame(std::mt19937& random) {
  Game game = MakeGame();
  StartGame(game, std::uniform_int_distribution<int>(kMinGameSize, kMaxGameSize)(random));
  int cells = game.size * game.size;
  int stones =
      random() % 3 == 0 ? int(random() % 3) : std::uniform_int_distribution<int>(3, std::min(60, cells - 1))(random);
  while (CountStones(game) < stones) {
    int x = int(random() % unsigned(game.size)), y = int(random() % unsigned(game.size));
    PlaceCell(game, x, y, random() % 2 ? kGameOwn : kGameOpponent);
  }
  return game;
}

TEST(PbrainEquivalence, RandomPositionsAtEveryLevelAndSeed) {
  std::mt19937 random(20261208);
  int freeMoves = 0, seedChanges = 0, cases = 0;
  for (int position = 0; position < 300; position++) {
    Game game = RandomGame(random);
    for (int level = 0; level <= 6; level++) {
      tulvo::Choice first;
      for (int draw = 0; draw < 3; draw++) {
        uint32_t seed = random() % kMillisecondsPerDay;
        tulvo::Choice move = ChooseGameMove(game, level, seed);
        ExpectSameMove(game, level, seed, move);
        cases++;
        if (move.hasMove && game.cells[move.x][move.y] == kGameEmpty) freeMoves++;
        if (draw == 0) first = move;
        if (move.x != first.x || move.y != first.y) seedChanges++;
      }
    }
  }
  // The comparison means something only when most moves are real and seeds matter.
  EXPECT_GT(freeMoves, cases * 9 / 10);
  EXPECT_GT(seedChanges, cases / 20);
}

// A game played move after move in one process, every move checked afterwards
// against a fresh run: nothing may carry over from one move to the next.
TEST(PbrainEquivalence, LongGameEqualsSeriesOfSingleRuns) {
  struct Step {
    Game game;
    int level;
    uint32_t seed;
    tulvo::Choice move;
  };
  std::mt19937 random(7);
  std::vector<Step> steps;
  Game game = MakeGame();
  StartGame(game, 20);
  for (int ply = 0; ply < 80 && HasEmptyCell(game); ply++) {
    int level = ply % 2 == 0 ? 6 : int(ply / 2 % 7);
    uint32_t seed = random() % kMillisecondsPerDay;
    tulvo::Choice move = ChooseGameMove(game, level, seed);
    steps.push_back({game, level, seed, move});
    if (!PlaceCell(game, move.x, move.y, kGameOwn).empty()) break;
    // The next request comes from the other side: swap own and opponent.
    for (auto& column : game.cells)
      for (uint8_t& cell : column)
        if (cell != kGameEmpty) cell = cell == kGameOwn ? kGameOpponent : kGameOwn;
  }
  ASSERT_GE(steps.size(), 20u);
  for (const Step& step : steps) ExpectSameMove(step.game, step.level, step.seed, step.move);
}

}  // namespace

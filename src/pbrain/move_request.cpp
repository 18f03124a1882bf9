// Builds the engine's position from a Game and runs the core's move choice.
#include "pbrain/move_request.h"

#include "driver/level.h"
#include "driver/position.h"
#include "driver/random.h"
#include "driver/run_sequence.h"

uint8_t EngineColour(const Game& game) { return CountStones(game) % 2 == 0 ? kCellX : kCellO; }

void LoadGame(const Game& game, int level) {
  ResetEngine();
  aiLevel = level;
  boardMax = uint8_t(game.size - 1);
  uint8_t own = EngineColour(game);
  uint8_t opponent = own == kCellX ? kCellO : kCellX;
  for (int x = 0; x < game.size; x++) {
    for (int y = 0; y < game.size; y++) {
      uint8_t cell = game.cells[x][y];
      if (cell == kGameOwn) PlaceStone(x, y, own);
      if (cell == kGameOpponent) PlaceStone(x, y, opponent);
      if (cell == kGameBlocked) board[x][y] = kCellBlocked;
    }
  }
  sideToMove = own;
}

Move ChooseGameMove(const Game& game, int level, uint32_t seed) {
  LoadGame(game, level);
  return ChooseMoveWithSeed(seed);
}

Move ChooseGameMoveNow(const Game& game, int level) {
  LoadGame(game, level);
  SeedRandom();
  return ChooseMoveWithSeed(randomSeed);
}

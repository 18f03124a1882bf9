// Builds the engine's position from a Game and asks the engine for its move.
#include "pbrain/move_request.h"

#include <tulvo/file_protocol.h>
#include <tulvo/platform.h>

namespace tulvo::pbrain {

uint8_t EngineColour(const Game& game) { return CountStones(game) % 2 == 0 ? tulvo::kStoneX : tulvo::kStoneO; }

tulvo::Position GamePosition(const Game& game) {
  const uint8_t own = EngineColour(game);
  const uint8_t opponent = own == tulvo::kStoneX ? tulvo::kStoneO : tulvo::kStoneX;
  tulvo::Position position;
  position.size = game.size;
  for (int x = 0; x < game.size; x++) {
    for (int y = 0; y < game.size; y++) {
      const uint8_t cell = game.cells[x][y];
      if (cell == kGameOwn) position.cells[x][y] = own;
      if (cell == kGameOpponent) position.cells[x][y] = opponent;
      if (cell == kGameBlocked) position.cells[x][y] = tulvo::kBlocked;
    }
  }
  position.sideToMove = own;
  return position;
}

tulvo::Choice ChooseGameMove(const Game& game, int level, uint32_t seed) {
  tulvo::Request request;
  request.position = GamePosition(game);
  request.level = level;
  request.seed = seed;
  return tulvo::DecideMove(request);
}

tulvo::Choice ChooseGameMoveNow(const Game& game, int level) {
  const UtcTimeOfDay now = PlatformUtcTime();
  return ChooseGameMove(game, level, tulvo::SeedOfTimeOfDay(now.hour, now.minute, now.second, now.millisecond));
}

}  // namespace tulvo::pbrain

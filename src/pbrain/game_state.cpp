// Game board changes, each checked before it is made.
#include "pbrain/game_state.h"

#include <cstring>

namespace tulvo::pbrain {

const char kMessageNoGame[] = "no game started: send START first";

Game MakeGame() {
  Game game;
  game.size = 0;
  memset(game.cells, kGameEmpty, sizeof game.cells);
  return game;
}

bool IsSupportedSize(int size) { return size >= kMinGameSize && size <= kMaxGameSize; }

void StartGame(Game& game, int size) {
  game.size = size;
  ClearGame(game);
}

void ClearGame(Game& game) { memset(game.cells, kGameEmpty, sizeof game.cells); }

bool IsInside(const Game& game, int x, int y) { return x >= 0 && x < game.size && y >= 0 && y < game.size; }

int CountStones(const Game& game) {
  int stones = 0;
  for (int x = 0; x < game.size; x++)
    for (int y = 0; y < game.size; y++)
      if (game.cells[x][y] == kGameOwn || game.cells[x][y] == kGameOpponent) stones++;
  return stones;
}

bool HasEmptyCell(const Game& game) {
  for (int x = 0; x < game.size; x++)
    for (int y = 0; y < game.size; y++)
      if (game.cells[x][y] == kGameEmpty) return true;
  return false;
}

static std::string CellName(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

// "" when (x, y) is a cell of the started game, else why not.
static std::string CheckCell(const Game& game, int x, int y) {
  if (game.size == 0) return kMessageNoGame;
  if (!IsInside(game, x, y)) {
    std::string side = std::to_string(game.size);
    return "cell " + CellName(x, y) + " is outside the " + side + "x" + side + " board";
  }
  return "";
}

std::string PlaceCell(Game& game, int x, int y, uint8_t value) {
  std::string problem = CheckCell(game, x, y);
  if (!problem.empty()) return problem;
  if (game.cells[x][y] != kGameEmpty) return "cell " + CellName(x, y) + " is already occupied";
  game.cells[x][y] = value;
  return "";
}

std::string TakeBackCell(Game& game, int x, int y) {
  std::string problem = CheckCell(game, x, y);
  if (!problem.empty()) return problem;
  if (game.cells[x][y] == kGameEmpty) return "cell " + CellName(x, y) + " is empty: nothing to take back";
  game.cells[x][y] = kGameEmpty;
  return "";
}

}  // namespace tulvo::pbrain

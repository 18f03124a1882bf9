// The game as the pipe front end keeps it between commands: the board size and
// every cell seen from the engine's side.
#pragma once

#include <tulvo/engine.h>

#include <cstdint>
#include <string>

namespace tulvo::pbrain {

// Cell values of a Game, the f values of the BOARD command.
constexpr uint8_t kGameEmpty = 0;
constexpr uint8_t kGameOwn = 1;
constexpr uint8_t kGameOpponent = 2;
constexpr uint8_t kGameBlocked = 3;  // a cell of a finished line in continuous games

constexpr int kMinGameSize = 5;
constexpr int kMaxGameSize = tulvo::kMaxBoardSize;

extern const char kMessageNoGame[];

struct Game {
  int size;                                   // board side; 0 before the first START
  uint8_t cells[kMaxGameSize][kMaxGameSize];  // [x][y]
};

// An empty game that has not started.
Game MakeGame();
bool IsSupportedSize(int size);
// Empties the board and sets its side (a supported size).
void StartGame(Game& game, int size);
void ClearGame(Game& game);
bool IsInside(const Game& game, int x, int y);
// Own and opponent's stones; blocked cells are not stones.
int CountStones(const Game& game);
bool HasEmptyCell(const Game& game);

// Each returns "" on success, else the problem; the game changes only on success.
std::string PlaceCell(Game& game, int x, int y, uint8_t value);
std::string TakeBackCell(Game& game, int x, int y);

}  // namespace tulvo::pbrain

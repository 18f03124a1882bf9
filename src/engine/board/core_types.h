// Fixed sizes, cell codes, player indices and direction steps shared by the whole engine.
#pragma once

#include <tulvo/engine.h>

#include <cassert>
#include <cstdint>

namespace tulvo::engine {

// The door's sizes and codes are the engine's own: one definition, named here as the
// engine's code reads them.
constexpr int kBoardSide = kMaxBoardSize;       // the Board always has room for 20 x 20 cells
constexpr int kMaxCoordinate = kBoardSide - 1;  // highest coordinate the Board can hold
constexpr int kPlayers = 2;
constexpr int kDirections = 8;
constexpr int kAxes = 4;
constexpr int kTableEntries = kPlayers * kDirections;

// Cell codes of the Board. Any code other than a player's own and empty counts as
// an opponent's stone for that player, so front ends may use kCellBlocked for cells
// that block both players.
constexpr uint8_t kCellEmpty = kEmpty;
constexpr uint8_t kCellX = kStoneX;
constexpr uint8_t kCellO = kStoneO;
constexpr uint8_t kCellBlocked = kBlocked;

// Player indices: 0 = X (the first player), 1 = O.
constexpr int kPlayerX = 0;
constexpr int kPlayerO = 1;

// Direction d = 0..7: steps (stepX, stepY) and the direction pointing the other way.
// Axis j = 0..3 is direction j together with opposite[j].
constexpr int stepX[kDirections] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int stepY[kDirections] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int opposite[kDirections] = {4, 5, 6, 7, 0, 1, 2, 3};

// Index of player p and direction d in a 16-entry cell table.
constexpr int TableIndex(int p, int d) {
  assert(p >= 0 && p < kPlayers && d >= 0 && d < kDirections);
  return p * kDirections + d;
}

// Whether (x, y) lies within the Board's storage. Debug builds assert it where a cell
// is written or selected; Release builds (NDEBUG) check nothing there.
constexpr bool IsWithinBoardStorage(int x, int y) { return x >= 0 && x < kBoardSide && y >= 0 && y < kBoardSide; }

struct Move {
  int32_t x;
  int32_t y;
};

}  // namespace tulvo::engine

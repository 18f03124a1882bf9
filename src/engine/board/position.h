// The position read for this run: the Board, its size, the side to move and the
// candidate area that the move search walks.
#pragma once

#include <cstdint>

#include "engine/board/core_types.h"

namespace tulvo::engine {

struct SearchBox {
  int32_t minX;
  int32_t minY;
  int32_t maxX;
  int32_t maxY;
};

extern uint8_t board[kBoardSide][kBoardSide];          // [x][y], cell codes
extern uint8_t candidateMask[kBoardSide][kBoardSide];  // [x][y], 1 within two cells of a stone
extern uint8_t boardMax;                               // highest valid coordinate, 0..19
extern int32_t stoneCount;
extern int sideToMove;  // 1: X to move, 2: O to move
extern SearchBox searchBox;

// Empty Board and mask, no stones, boardMax 19, X to move, empty SearchBox.
void ResetPosition();
// Puts a stone (kCellX or kCellO) on (x, y), counts it and marks its neighbourhood.
void PlaceStone(int x, int y, uint8_t code);
void MarkCandidates(int x, int y);
// Scans every marked cell on the board and sets the SearchBox around them.
void PrepareCandidates();
bool IsOnBoard(int x, int y);

}  // namespace tulvo::engine

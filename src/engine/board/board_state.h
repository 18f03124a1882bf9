// The bottom layer of the engine's working state: the position read for this decision
// (the Board, its size, the side to move, the candidate area) and the decision's
// settings (the level and the random source). The analysis and the search extend it.
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

struct BoardState {
  uint8_t board[kBoardSide][kBoardSide];          // [x][y], cell codes
  uint8_t candidateMask[kBoardSide][kBoardSide];  // [x][y], 1 within two cells of a stone
  uint8_t boardMax;                               // highest valid coordinate, 0..19
  int32_t stoneCount;
  int sideToMove;  // 1: X to move, 2: O to move
  SearchBox searchBox;
  int aiLevel;          // kMinLevel..kMaxLevel
  uint32_t randomSeed;  // the random source's state
};

}  // namespace tulvo::engine

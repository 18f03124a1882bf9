// The position read for this decision: placing its stones, marking the candidate area
// around them, and the bounds of the board.
#pragma once

#include <cstdint>

#include "engine/board/board_state.h"

namespace tulvo::engine {

// Empty Board and mask, no stones, boardMax 19, X to move, empty SearchBox.
void ResetPosition(BoardState& s);
// Puts a stone (kCellX or kCellO) on (x, y), counts it and marks its neighbourhood.
void PlaceStone(BoardState& s, int x, int y, uint8_t code);
void MarkCandidates(BoardState& s, int x, int y);
bool IsOnBoard(const BoardState& s, int x, int y);

}  // namespace tulvo::engine

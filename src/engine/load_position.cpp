// Resetting every layer of the state, and loading a position onto the Board.
#include "engine/load_position.h"

#include <algorithm>

#include "engine/board/position.h"
#include "engine/choice/move_search.h"

namespace tulvo::engine {

static uint8_t LastCoordinate(int side) { return uint8_t(std::clamp(side, 1, kMaxBoardSize) - 1); }

void LoadPosition(EngineState& s, const Request& request) {
  const Position& position = request.position;
  const uint8_t last = LastCoordinate(position.size);
  for (int y = 0; y < kMaxBoardSize; y++) {
    const uint8_t side = request.sideWhileRead[y];
    s.boardMax = side == 0 ? last : LastCoordinate(side);
    for (int x = 0; x < kMaxBoardSize; x++) {
      const uint8_t code = position.cells[x][y];
      if (code == kStoneX || code == kStoneO)
        PlaceStone(s, x, y, code);
      else if (code != kEmpty)
        s.board[x][y] = kCellBlocked;
    }
  }
  s.boardMax = last;
  // As tah.dat is read: anything but X to move is O to move.
  s.sideToMove = position.sideToMove == kSideX ? kSideX : kSideO;
}

void ResetEngine(EngineState& s) {
  s.randomSeed = 0;
  s.aiLevel = kDefaultLevel;
  ResetPosition(s);
  ResetAxisSummary(s);
  ResetThreatCounts(s);
  ResetSearchState(s);
}

}  // namespace tulvo::engine

// Resetting every subsystem, and loading a position into the Board.
#include "engine/engine_state.h"

#include <algorithm>

#include "engine/analysis/axis_summary.h"
#include "engine/analysis/threat_classes.h"
#include "engine/board/ai_level.h"
#include "engine/board/position.h"
#include "engine/board/random.h"
#include "engine/choice/move_search.h"

namespace tulvo::engine {

static uint8_t LastCoordinate(int side) { return uint8_t(std::clamp(side, 1, kMaxBoardSize) - 1); }

void LoadPosition(const Position& position) {
  const uint8_t last = LastCoordinate(position.size);
  for (int y = 0; y < kMaxBoardSize; y++) {
    const uint8_t side = position.sideWhileRead[y];
    boardMax = side == 0 ? last : LastCoordinate(side);
    for (int x = 0; x < kMaxBoardSize; x++) {
      const uint8_t code = position.cells[x][y];
      if (code == kStoneX || code == kStoneO)
        PlaceStone(x, y, code);
      else if (code != kEmpty)
        board[x][y] = kCellBlocked;
    }
  }
  boardMax = last;
  // As tah.dat is read: anything but X to move is O to move.
  sideToMove = position.sideToMove == kSideX ? kSideX : kSideO;
}

void ResetEngine() {
  randomSeed = 0;
  aiLevel = kDefaultLevel;
  ResetPosition();
  ResetAxisSummary();
  ResetThreatCounts();
  ResetSearchState();
}

}  // namespace tulvo::engine

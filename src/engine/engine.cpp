// The door's move decision: the position is loaded into the engine as the file
// program loads a read board, the run's steps follow, and the result is copied out.
#include "tulvo/engine.h"

#include <algorithm>

#include "analysis/cell_tables.h"
#include "choice/move_search.h"
#include "driver/ai_level.h"
#include "driver/engine_state.h"
#include "driver/move_text.h"
#include "driver/position.h"
#include "driver/random.h"
#include "engine/trace.h"

namespace tulvo {

namespace {

uint8_t LastCoordinate(int side) { return uint8_t(std::clamp(side, 1, kMaxBoardSize) - 1); }

// Stones of both colours counted and marking their neighbourhoods within the side in
// effect while their line was read (the board's side unless ReadBoardText says
// otherwise); blocked cells (and any other code) block both players' lines.
void LoadPosition(const Position& position) {
  const uint8_t last = LastCoordinate(position.size);
  for (int y = 0; y < kMaxBoardSize; y++) {
    const uint8_t side = position.sideWhileRead[y];
    engine::boardMax = side == 0 ? last : LastCoordinate(side);
    for (int x = 0; x < kMaxBoardSize; x++) {
      const uint8_t code = position.cells[x][y];
      if (code == kStoneX || code == kStoneO)
        engine::PlaceStone(x, y, code);
      else if (code != kEmpty)
        engine::board[x][y] = engine::kCellBlocked;
    }
  }
  engine::boardMax = last;
  // As tah.dat is read: anything but X to move is O to move.
  engine::sideToMove = position.sideToMove == kSideX ? kSideX : kSideO;
}

}  // namespace

Choice DecideMove(const Request& request) {
  engine::ResetEngine();
  engine::CreateCellTables();
  engine::aiLevel = request.level;
  LoadPosition(request.position);
  const engine::Move move = engine::ChooseMoveWithSeed(request.seed);
  Choice choice;
  if (engine::IsWritableMove(move.x, move.y)) {
    choice.hasMove = true;
    choice.x = move.x;
    choice.y = move.y;
  }
  if (request.trace) choice.trace = TraceOfSearch();
  return choice;
}

uint32_t SeedOfTimeOfDay(int hour, int minute, int second, int millisecond) {
  return engine::SeedOfTime(hour, minute, second, millisecond);
}

std::string MoveText(int x, int y) {
  char text[8];
  return std::string(text, size_t(engine::FormatMove(x, y, text)));
}

int LevelOfArgument(const char* argument) { return engine::LevelOfArgument(argument); }
int LevelOfFileProgramPath(const char* path) { return engine::LevelOfFileProgramPath(path); }
int LevelOfPipeProgramPath(const char* path) { return engine::LevelOfPipeProgramPath(path); }

}  // namespace tulvo

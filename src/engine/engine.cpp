// The door's move decision: the position is loaded into the engine's state, the
// search runs, and the result is copied out.
#include <tulvo/engine.h>

#include <algorithm>

#include "engine/analysis/cell_tables.h"
#include "engine/board/ai_level.h"
#include "engine/board/position.h"
#include "engine/board/random.h"
#include "engine/choice/move_search.h"
#include "engine/engine_state.h"
#include "engine/trace.h"

namespace tulvo {

namespace {

// Whether the move is one a manager can take: a cell of the Board that holds no stone.
bool IsPlayable(const engine::Move& move) {
  return engine::IsWithinBoardStorage(move.x, move.y) && engine::board[move.x][move.y] == engine::kCellEmpty;
}

}  // namespace

Choice DecideMove(const Request& request) {
  engine::ResetEngine();
  engine::CreateCellTables();
  engine::aiLevel = std::clamp(request.level, kMinLevel, kMaxLevel);
  engine::LoadPosition(request.position);
  engine::PrepareCandidates();
  engine::randomSeed = request.seed;
  engine::ChooseMove();
  Choice choice;
  if (IsPlayable(engine::bestMove)) {
    choice.hasMove = true;
    choice.x = engine::bestMove.x;
    choice.y = engine::bestMove.y;
  }
  if (request.trace) choice.trace = engine::TraceOfSearch();
  return choice;
}

}  // namespace tulvo

// The door's move decision: the position is loaded into a state, the search runs in
// it, and the result is copied out. Each calling thread decides in a state of its own,
// or the caller provides the storage.
#include <tulvo/engine.h>

#include <algorithm>
#include <memory>

#include "engine/analysis/candidates.h"
#include "engine/choice/move_search.h"
#include "engine/engine_storage.h"
#include "engine/load_position.h"
#include "engine/trace.h"

namespace tulvo {

namespace {

// Whether the move is one a manager can take: a cell of the Board that holds no stone.
bool IsPlayable(const engine::EngineState& s, const engine::Move& move) {
  return engine::IsWithinBoardStorage(move.x, move.y) && s.board[move.x][move.y] == engine::kCellEmpty;
}

Choice Decide(engine::EngineState& s, const Request& request) {
  engine::ResetEngine(s);
  engine::CreateCellTables(s);
  s.aiLevel = std::clamp(request.level, kMinLevel, kMaxLevel);
  engine::LoadPosition(s, request);
  engine::PrepareCandidates(s);
  s.randomSeed = request.seed;
  engine::ChooseMove(s);
  Choice choice;
  if (IsPlayable(s, s.bestMove)) {
    choice.hasMove = true;
    choice.x = s.bestMove.x;
    choice.y = s.bestMove.y;
  }
  if (request.trace) choice.trace = engine::TraceOfSearch(s);
  return choice;
}

// A WebAssembly module built without threads has no thread-local storage, and one
// thread: there the state is the module's.
#if defined(__wasm__) && !defined(__wasm_atomics__)
#define TULVO_PER_THREAD static
#else
#define TULVO_PER_THREAD thread_local
#endif

// The calling thread's state: made on the heap at its first decision (a state is too
// large for small thread stacks), reused by every later one, freed when the thread ends.
engine::EngineState& ThreadState() {
  TULVO_PER_THREAD std::unique_ptr<engine::EngineState> state;
  if (state == nullptr) state = std::make_unique<engine::EngineState>();
  return *state;
}

}  // namespace

Choice DecideMove(const Request& request) { return Decide(ThreadState(), request); }

Choice DecideMove(const Request& request, EngineStorage& storage) {
  return Decide(engine::BeginState(storage), request);
}

}  // namespace tulvo

// The C interface over the engine's door: arguments checked and converted, results
// copied out. The door decides in the calling thread's own state, so calls from
// several threads run side by side with no lock.
// Nothing thrown leaves a call: a failed allocation inside the engine ends as
// TULVO_E_MEMORY rather than unwinding into C.
#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>
#include <tulvo/tulvo.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

int CheckPosition(const unsigned char* cells, int size, int side, int level) {
  if (cells == nullptr) return TULVO_E_NULL;
  if (size < 1 || size > tulvo::kMaxBoardSize) return TULVO_E_SIZE;
  for (int i = 0; i < size * size; i++)
    if (cells[i] > TULVO_BLOCKED) return TULVO_E_CELL;
  if (side != TULVO_X && side != TULVO_O) return TULVO_E_SIDE;
  if (level < 0 || level > TULVO_MAX_LEVEL) return TULVO_E_LEVEL;
  return 0;
}

tulvo::Request RequestOf(const unsigned char* cells, int size, int side, int level, unsigned int seed, bool trace) {
  tulvo::Request request;
  request.position.size = size;
  request.position.sideToMove = side;
  for (int y = 0; y < size; y++)
    for (int x = 0; x < size; x++) request.position.cells[x][y] = cells[y * size + x];
  request.level = level;
  request.seed = seed;
  request.trace = trace;
  return request;
}

int MoveResult(const tulvo::Choice& choice, tulvo_move* move) {
  move->x = choice.hasMove ? choice.x : -1;
  move->y = choice.hasMove ? choice.y : -1;
  return choice.hasMove ? 1 : 0;
}

}  // namespace

extern "C" {

int tulvo_choose_move(const unsigned char* cells, int size, int side, int level, unsigned int seed, tulvo_move* move) {
  if (move == nullptr) return TULVO_E_NULL;
  if (const int fault = CheckPosition(cells, size, side, level)) return fault;
  try {
    return MoveResult(tulvo::DecideMove(RequestOf(cells, size, side, level, seed, false)), move);
  } catch (const std::bad_alloc&) {
    return TULVO_E_MEMORY;
  }
}

int tulvo_analyze(const unsigned char* cells, int size, int side, int level, unsigned int seed, tulvo_move* move,
                  tulvo_cell* out, int capacity) {
  if (move == nullptr || (out == nullptr && capacity > 0)) return TULVO_E_NULL;
  if (const int fault = CheckPosition(cells, size, side, level)) return fault;
  try {
    const tulvo::Choice choice = tulvo::DecideMove(RequestOf(cells, size, side, level, seed, true));
    MoveResult(choice, move);
    const int count = int(choice.trace.size());
    if (count > std::max(capacity, 0)) return TULVO_E_CAPACITY;
    for (int i = 0; i < count; i++) {
      const tulvo::TracedCell& cell = choice.trace[size_t(i)];
      out[i] = tulvo_cell{cell.x, cell.y, cell.baseScore, cell.cellScore, cell.tier};
    }
    return count;
  } catch (const std::bad_alloc&) {
    return TULVO_E_MEMORY;
  }
}

int tulvo_read_board(const char* text, size_t length, unsigned char* cells, int* size, char* message,
                     size_t message_size) {
  if ((text == nullptr && length > 0) || cells == nullptr || size == nullptr ||
      (message == nullptr && message_size > 0))
    return TULVO_E_NULL;
  try {
    const tulvo::BoardRead read =
        tulvo::ReadBoardText(std::string_view(text == nullptr ? "" : text, length), tulvo::kSideX);
    if (message_size > 0) message[0] = '\0';
    if (!read.ok) {
      if (message_size > 0) {
        const std::string text = read.message + ": " + read.explanation;
        const size_t kept = std::min(text.size(), message_size - 1);
        std::memcpy(message, text.data(), kept);
        message[kept] = '\0';
      }
      return TULVO_E_BOARD;
    }
    const int side = read.position.size;
    std::memset(cells, 0, size_t(TULVO_MAX_CELLS));
    for (int y = 0; y < side; y++)
      for (int x = 0; x < side; x++) cells[y * side + x] = read.position.cells[x][y];
    *size = side;
    return 0;
  } catch (const std::bad_alloc&) {
    return TULVO_E_MEMORY;
  }
}

const char* tulvo_tier_text(int level, int tier) { return tulvo::TierText(level, tier); }

unsigned int tulvo_seed_of_time(int hour, int minute, int second, int millisecond) {
  return tulvo::SeedOfTimeOfDay(hour, minute, second, millisecond);
}

const char* tulvo_version(void) { return TULVO_VERSION; }

}  // extern "C"

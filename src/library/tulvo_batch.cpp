// The batch call: many boards decided by tulvo_choose_move each, spread over threads.
// The boards are handed out one at a time from a shared counter, so a thread that
// draws quick boards takes more of them; which thread decides a board does not change
// its move.
#include <tulvo/tulvo.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace {

struct Batch {
  const unsigned char* cells;
  int count;
  int size;
  const int* sides;
  int level;
  const unsigned int* seeds;
  tulvo_move* moves;
  std::atomic<int> next{0};
  std::atomic<int> moved{0};
  std::atomic<int> fault{0};
};

// Checks what no single call would see until its board's turn: every board's cells
// and side, so that a bad board stops the batch before anything is decided.
int CheckBatch(const unsigned char* cells, int count, int size, const int* sides, int level, const unsigned int* seeds,
               const tulvo_move* moves, int threads) {
  if (count < 0 || threads < 0) return TULVO_E_COUNT;
  if (count > 0 && (cells == nullptr || sides == nullptr || seeds == nullptr || moves == nullptr)) return TULVO_E_NULL;
  if (size < 1 || size > TULVO_MAX_SIZE) return TULVO_E_SIZE;
  if (level < 0 || level > TULVO_MAX_LEVEL) return TULVO_E_LEVEL;
  const size_t cellCount = size_t(count) * size_t(size * size);
  if (std::any_of(cells, cells + cellCount, [](unsigned char code) { return code > TULVO_BLOCKED; }))
    return TULVO_E_CELL;
  if (std::any_of(sides, sides + count, [](int side) { return side != TULVO_X && side != TULVO_O; }))
    return TULVO_E_SIDE;
  return 0;
}

void DecideBoards(Batch& batch) {
  const size_t cellsPerBoard = size_t(batch.size * batch.size);
  for (int i = batch.next++; i < batch.count; i = batch.next++) {
    tulvo_move& move = batch.moves[i];
    move = tulvo_move{-1, -1};
    const int result = tulvo_choose_move(batch.cells + size_t(i) * cellsPerBoard, batch.size, batch.sides[i],
                                         batch.level, batch.seeds[i], &move);
    if (result > 0) batch.moved++;
    if (result < 0) batch.fault = result;
  }
}

int ThreadCount(int threads, int count) {
  if (threads == 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));
  return std::min(threads, count);
}

}  // namespace

extern "C" int tulvo_choose_moves(const unsigned char* cells, int count, int size, const int* sides, int level,
                                  const unsigned int* seeds, tulvo_move* moves, int threads) {
  if (const int fault = CheckBatch(cells, count, size, sides, level, seeds, moves, threads)) return fault;
  Batch batch{cells, count, size, sides, level, seeds, moves};
  std::vector<std::thread> helpers;
  try {
    for (int t = 1; t < ThreadCount(threads, count); t++) helpers.emplace_back(DecideBoards, std::ref(batch));
  } catch (const std::system_error&) {
    // Fewer threads than asked for: those that started, and this one, share the boards.
  } catch (const std::bad_alloc&) {
  }
  DecideBoards(batch);
  for (std::thread& helper : helpers) helper.join();
  return batch.fault != 0 ? batch.fault.load() : batch.moved.load();
}

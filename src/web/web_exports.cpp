// The engine's WebAssembly exports: board text in through one buffer, the move, the
// reader's message and the evaluated cells out through others, so the module needs
// no allocator calls from its host.
#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#define TULVO_WEB_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace tulvo::web {

namespace {

// Larger than any board the reader accepts, so a longer text keeps its size fault.
constexpr int kInputCapacity = 1024;
constexpr int kFault = -1, kNoMove = 0, kMove = 1;

char input[kInputCapacity];
std::string moveText;
std::string message;
std::vector<int32_t> cellWords;  // x, y, baseScore, cellScore per evaluated cell, in scan order

void KeepTrace(const std::vector<TracedCell>& trace) {
  cellWords.clear();
  for (const TracedCell& cell : trace)
    cellWords.insert(cellWords.end(), {cell.x, cell.y, cell.baseScore, cell.cellScore});
}

}  // namespace

// Reads the board text held in the input buffer and chooses the move: kMove with the
// move text set, kNoMove where the file program writes nothing, kFault with the
// reader's message set.
int DecideOnInput(int length, int side, int level, uint32_t seed, int trace) {
  moveText.clear();
  message.clear();
  cellWords.clear();
  if (length < 0 || length > kInputCapacity) length = kInputCapacity;
  BoardRead read = ReadBoardText(std::string_view(input, size_t(length)), side);
  if (!read.ok) {
    message = read.message;
    return kFault;
  }
  Request request = RequestOfBoard(read, level, seed);
  request.trace = trace != 0;
  Choice choice = DecideMove(request);
  KeepTrace(choice.trace);
  if (!choice.hasMove) return kNoMove;
  moveText = MoveText(choice.x, choice.y);
  return kMove;
}

}  // namespace tulvo::web

namespace web = tulvo::web;

TULVO_WEB_EXPORT("input_buffer") char* InputBuffer() { return web::input; }
TULVO_WEB_EXPORT("input_capacity") int InputCapacity() { return web::kInputCapacity; }

TULVO_WEB_EXPORT("decide") int Decide(int length, int side, int level, uint32_t seed, int trace) {
  return web::DecideOnInput(length, side, level, seed, trace);
}
TULVO_WEB_EXPORT("move_text") const char* MoveTextOfLastMove() { return web::moveText.c_str(); }
TULVO_WEB_EXPORT("message") const char* MessageOfLastFault() { return web::message.c_str(); }
TULVO_WEB_EXPORT("cell_count") int CellCount() { return int(web::cellWords.size() / 4); }
TULVO_WEB_EXPORT("cells") const int32_t* Cells() { return web::cellWords.data(); }
TULVO_WEB_EXPORT("seed_of_time") uint32_t SeedOfTime(int hour, int minute, int second, int millisecond) {
  return tulvo::SeedOfTimeOfDay(hour, minute, second, millisecond);
}

// The reader of plocha.dat's text: line by line into cells, or the first fault.
#pragma once

#include <cstdint>

#include "core_types.h"

namespace tulvo::engine {

constexpr int kMaxBoardFileSize = 447;

extern const char kMessageBoardNotLoaded[];
extern const char kMessageBadBoardSize[];
extern const char kMessageLineTooLong[];
extern const char kMessageTooManyLines[];
extern const char kMessageFilesNotLoaded[];

// The fault of a board text of count bytes by its size alone, else nullptr.
const char* BoardSizeFault(int64_t count);

// Reads the board text: place(x, y, code) for every board character ('-' gives
// kCellEmpty), close(width - 1) for every line end that closes a line. Returns the
// message of the first fault, nullptr for a well-formed text.
template <typename Place, typename Close>
const char* ReadBoardLines(const uint8_t* bytes, int count, Place place, Close close) {
  auto isLineEnd = [](uint8_t b) { return b == '\r' || b == '\n'; };
  int x = 0, y = 0;
  uint8_t previous = 0;
  for (int i = 0; i < count; i++) {
    const uint8_t b = bytes[i];
    if (!isLineEnd(b)) {
      if (x > kMaxCoordinate) return kMessageLineTooLong;
      if (y > kMaxCoordinate) return kMessageTooManyLines;
    }
    if (b == '-') {
      place(x++, y, kCellEmpty);
    } else if (b == 'x' || b == 'X') {
      place(x++, y, kCellX);
    } else if (b == 'o' || b == 'O') {
      place(x++, y, kCellO);
    } else if (isLineEnd(b) && !isLineEnd(previous) && x > 0) {
      // A line end closes a line only when the line holds a board character, so the
      // last coordinate always stays within 0..19.
      close(x - 1);
      y++;
      x = 0;
    }
    previous = b;
  }
  return nullptr;
}

// Reads board text into the engine's position (resetting it first), placing stones in
// reading order as the file program does. Returns the first fault's message, else
// nullptr; after a fault the position holds the lines before it.
const char* ParseBoard(const uint8_t* bytes, int count);

}  // namespace tulvo::engine

// The reader of plocha.dat's text: line by line into cells, or the first fault.
#pragma once

#include <tulvo/file_protocol.h>

#include <cstdint>

namespace tulvo::file_protocol {

extern const char kMessageBoardNotLoaded[];
extern const char kMessageBadBoardSize[];
extern const char kMessageLineTooLong[];
extern const char kMessageTooManyLines[];
extern const char kMessageFilesNotLoaded[];

// The fault of a board text of count bytes by its size alone, else nullptr.
const char* BoardSizeFault(int64_t count);
// A read that failed with one of the messages above, with its explanation.
BoardRead BoardFault(const char* message);

// Reads the board text: place(x, y, code) for every board character ('-' gives
// kEmpty), close(width - 1) for every line end that closes a line. Returns the
// message of the first fault, nullptr for a well-formed text.
template <typename Place, typename Close>
const char* ReadBoardLines(const uint8_t* bytes, int count, Place place, Close close) {
  constexpr int kMaxCoordinate = kMaxBoardSize - 1;
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
      place(x++, y, kEmpty);
    } else if (b == 'x' || b == 'X') {
      place(x++, y, kStoneX);
    } else if (b == 'o' || b == 'O') {
      place(x++, y, kStoneO);
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

}  // namespace tulvo::file_protocol

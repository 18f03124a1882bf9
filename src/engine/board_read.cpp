// The door's board reader: the file program's own reader into a Position, faults as
// values with a plain-English explanation beside the reader's message.
#include <cstring>

#include "driver/board_text.h"
#include "tulvo/engine.h"

namespace tulvo {

namespace {

struct FaultText {
  const char* message;
  const char* explanation;
};

const FaultText kFaultTexts[] = {
    {kMessageBoardNotLoaded, "the board file is missing or cannot be opened"},
    {kMessageBadBoardSize, "the board file is empty or larger than 447 bytes"},
    {kMessageLineTooLong, "a line of the board holds more than 20 cells"},
    {kMessageTooManyLines, "the board has more than 20 lines"},
    {kMessageFilesNotLoaded, "tah.dat or the board file cannot be read"},
};

BoardRead Fault(const char* message) {
  BoardRead read;
  read.message = message;
  for (const FaultText& text : kFaultTexts)
    if (strcmp(text.message, message) == 0) read.explanation = text.explanation;
  return read;
}

}  // namespace

BoardRead ReadBoardText(std::string_view text, int sideToMove) {
  if (const char* fault = BoardSizeFault(int64_t(text.size()))) return Fault(fault);
  BoardRead read;
  Position& position = read.position;
  position.sideToMove = sideToMove;
  const char* fault = ReadBoardLines(
      reinterpret_cast<const uint8_t*>(text.data()), int(text.size()),
      [&position](int x, int y, uint8_t code) {
        position.cells[x][y] = code;
        position.sideWhileRead[y] = uint8_t(position.size);
      },
      [&position](int last) { position.size = last + 1; });
  if (fault != nullptr) return Fault(fault);
  read.ok = true;
  return read;
}

BoardRead BoardFileUnreadable() { return Fault(kMessageBoardNotLoaded); }
BoardRead FilesUnreadable() { return Fault(kMessageFilesNotLoaded); }

int SideOfTahText(std::string_view tah) { return !tah.empty() && tah[0] == 'x' ? kSideX : kSideO; }

}  // namespace tulvo

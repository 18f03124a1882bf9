// The reader's messages, and the read into a Position with faults as values.
#include "file_protocol/board_text.h"

#include <cstring>

namespace tulvo {

namespace file_protocol {

const char kMessageBoardNotLoaded[] = "Nelze nahrat plocha.dat!";
const char kMessageBadBoardSize[] = "Spatna velikost plocha.dat!";
const char kMessageLineTooLong[] = "Blbej soubor plocha.dat - moc dlouhej radek!";
const char kMessageTooManyLines[] = "Blbej soubor plocha.dat - ma prilis mnoho radku!";
const char kMessageFilesNotLoaded[] = "Nelze nahrat tah.dat nebo plocha.dat!";

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

}  // namespace

const char* BoardSizeFault(int64_t count) {
  return count == 0 || count > kMaxBoardFileSize ? kMessageBadBoardSize : nullptr;
}

BoardRead BoardFault(const char* message) {
  BoardRead read;
  read.message = message;
  for (const FaultText& text : kFaultTexts)
    if (strcmp(text.message, message) == 0) read.explanation = text.explanation;
  return read;
}

}  // namespace file_protocol

BoardRead ReadBoardText(std::string_view text, int sideToMove) {
  using file_protocol::BoardFault;
  if (const char* fault = file_protocol::BoardSizeFault(int64_t(text.size()))) return BoardFault(fault);
  BoardRead read;
  Position& position = read.position;
  position.sideToMove = sideToMove;
  const char* fault = file_protocol::ReadBoardLines(
      reinterpret_cast<const uint8_t*>(text.data()), int(text.size()),
      [&read](int x, int y, uint8_t code) {
        read.position.cells[x][y] = code;
        read.sideWhileRead[y] = uint8_t(read.position.size);
      },
      [&position](int last) { position.size = last + 1; });
  if (fault != nullptr) return BoardFault(fault);
  read.ok = true;
  return read;
}

Request RequestOfBoard(const BoardRead& read, int level, uint32_t seed) {
  Request request;
  request.position = read.position;
  memcpy(request.sideWhileRead, read.sideWhileRead, sizeof request.sideWhileRead);
  request.level = level;
  request.seed = seed;
  return request;
}

BoardRead BoardFileUnreadable() { return file_protocol::BoardFault(file_protocol::kMessageBoardNotLoaded); }
BoardRead FilesUnreadable() { return file_protocol::BoardFault(file_protocol::kMessageFilesNotLoaded); }

int SideOfTahText(std::string_view tah) { return !tah.empty() && tah[0] == 'x' ? kSideX : kSideO; }

}  // namespace tulvo

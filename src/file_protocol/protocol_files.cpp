// Reading plocha.dat and tah.dat, and writing the move into tah.dat.
#include "file_protocol/protocol_files.h"

#include <tulvo/platform.h>

#include "file_protocol/board_text.h"
#include "file_protocol/move_text.h"

namespace tulvo::file_protocol {

namespace {

// The side to move from tah.dat's first byte; failed is set when it cannot be read.
int ReadSideToMove(const char* folder, bool& failed) {
  uint8_t first = 0;
  FileHandle file = PlatformOpenExisting(folder, "tah.dat");
  if (file == kNoFile) {
    failed = true;
  } else {
    failed = PlatformReadFile(file, &first, 1) != 1 || failed;
    failed = !PlatformCloseFile(file) || failed;
  }
  return first == 'x' ? kSideX : kSideO;
}

}  // namespace

BoardRead ReadProtocolFiles(const char* folder, const char* boardName, int side) {
  FileHandle board = PlatformOpenExisting(folder, boardName);
  const int64_t size = board == kNoFile ? -1 : PlatformFileSize(board);
  if (size < 0) {
    if (board != kNoFile) PlatformCloseFile(board);
    return BoardFileUnreadable();
  }
  if (const char* fault = BoardSizeFault(size)) {
    PlatformCloseFile(board);
    return BoardFault(fault);
  }
  // Bytes a short read leaves unfilled read as zeros, which the reader skips.
  char bytes[kMaxBoardFileSize] = {};
  const int count = int(size);
  bool failed = PlatformReadFile(board, bytes, count) != count;
  BoardRead read = ReadBoardText(std::string_view(bytes, size_t(count)), side);
  failed = !PlatformCloseFile(board) || failed;
  if (!read.ok) return read;
  if (side == 0) read.position.sideToMove = ReadSideToMove(folder, failed);
  return failed ? FilesUnreadable() : read;
}

void WriteMoveFile(const char* folder, int x, int y) {
  char text[8];
  const int length = FormatMove(x, y, text);
  FileHandle file = PlatformCreateFile(folder, "tah.dat");
  if (file == kNoFile) return;
  PlatformWriteFile(file, text, length);
  PlatformCloseFile(file);
}

}  // namespace tulvo::file_protocol

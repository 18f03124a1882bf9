// Formats the move in decimal and replaces tah.dat with it in one write.
#include "driver/move_writer.h"

#include "core_types.h"
#include "driver/platform.h"
#include "driver/position.h"

static int FormatNumber(int value, char* text) {
  if (value >= 10) {
    text[0] = char('0' + value / 10);
    text[1] = char('0' + value % 10);
    return 2;
  }
  text[0] = char('0' + value);
  return 1;
}

int FormatMove(int x, int y, char* text) {
  int length = FormatNumber(x, text);
  text[length++] = ',';
  return length + FormatNumber(y, text + length);
}

bool IsWritableMove(int x, int y) {
  return x >= 0 && x <= kMaxCoordinate && y >= 0 && y <= kMaxCoordinate && board[x][y] == kCellEmpty;
}

void WriteMove(int x, int y) {
  if (!IsWritableMove(x, y)) return;
  char text[8];
  int length = FormatMove(x, y, text);
  // A file that cannot be created or written is not reported: the manager sees no move.
  FileHandle file = PlatformCreateFile("tah.dat");
  if (file == kNoFile) return;
  PlatformWriteFile(file, text, length);
  PlatformCloseFile(file);
}

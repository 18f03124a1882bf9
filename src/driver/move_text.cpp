// Formats the move in decimal.
#include "driver/move_text.h"

#include "core_types.h"
#include "driver/position.h"

namespace tulvo::engine {

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

}  // namespace tulvo::engine

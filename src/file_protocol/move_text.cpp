// Formats the move in decimal.
#include "file_protocol/move_text.h"

#include <tulvo/file_protocol.h>

namespace tulvo {

namespace file_protocol {

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

}  // namespace file_protocol

std::string MoveText(int x, int y) {
  char text[8];
  return std::string(text, size_t(file_protocol::FormatMove(x, y, text)));
}

}  // namespace tulvo

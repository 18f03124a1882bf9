// The reader's messages and the read into the engine's position.
#include "driver/board_text.h"

#include <cassert>

#include "driver/position.h"

namespace tulvo::engine {

const char kMessageBoardNotLoaded[] = "Nelze nahrat plocha.dat!";
const char kMessageBadBoardSize[] = "Spatna velikost plocha.dat!";
const char kMessageLineTooLong[] = "Blbej soubor plocha.dat - moc dlouhej radek!";
const char kMessageTooManyLines[] = "Blbej soubor plocha.dat - ma prilis mnoho radku!";
const char kMessageFilesNotLoaded[] = "Nelze nahrat tah.dat nebo plocha.dat!";

const char* BoardSizeFault(int64_t count) {
  return count == 0 || count > kMaxBoardFileSize ? kMessageBadBoardSize : nullptr;
}

const char* ParseBoard(const uint8_t* bytes, int count) {
  ResetPosition();
  return ReadBoardLines(
      bytes, count,
      [](int x, int y, uint8_t code) {
        if (code == kCellEmpty)
          board[x][y] = kCellEmpty;
        else
          PlaceStone(x, y, code);
      },
      [](int last) {
        assert(last >= 0 && last <= kMaxCoordinate);
        boardMax = uint8_t(last);
      });
}

}  // namespace tulvo::engine

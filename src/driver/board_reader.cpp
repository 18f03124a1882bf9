// Reads plocha.dat byte by byte into the Board and the first byte of tah.dat.
#include "driver/board_reader.h"

#include "driver/fatal_exit.h"
#include "driver/platform.h"
#include "driver/position.h"

const char kMessageBoardNotLoaded[] = "Nelze nahrat plocha.dat!";
const char kMessageBadBoardSize[] = "Spatna velikost plocha.dat!";
const char kMessageLineTooLong[] = "Blbej soubor plocha.dat - moc dlouhej radek!";
const char kMessageTooManyLines[] = "Blbej soubor plocha.dat - ma prilis mnoho radku!";
const char kMessageFilesNotLoaded[] = "Nelze nahrat tah.dat nebo plocha.dat!";

// Every failing file operation sets it; the two checks read and clear it. Operations
// after a failure still run.
static bool fileFailed = false;

static void NoteFailure(bool failed) {
  if (failed) fileFailed = true;
}

static bool TakeFailure() {
  bool failed = fileFailed;
  fileFailed = false;
  return failed;
}

static bool IsLineEnd(uint8_t b) { return b == '\r' || b == '\n'; }

void ParseBoard(const uint8_t* bytes, int count) {
  ResetPosition();
  int x = 0, y = 0;
  uint8_t previous = 0;
  for (int i = 0; i < count; i++) {
    uint8_t b = bytes[i];
    if (!IsLineEnd(b)) {
      if (x > kMaxCoordinate) FatalExit(kMessageLineTooLong);
      if (y > kMaxCoordinate) FatalExit(kMessageTooManyLines);
    }
    if (b == '-') {
      board[x++][y] = kCellEmpty;
    } else if (b == 'x' || b == 'X') {
      PlaceStone(x++, y, kCellX);
    } else if (b == 'o' || b == 'O') {
      PlaceStone(x++, y, kCellO);
    } else if (IsLineEnd(b) && !IsLineEnd(previous) && x > 0) {
      // A line end closes a line only when the line holds a board character, so
      // boardMax always stays within 0..19.
      boardMax = uint8_t(x - 1);
      y++;
      x = 0;
    }
    previous = b;
  }
}

// Reads the whole board file, or ends the run when it cannot be opened or sized.
static void ReadBoardFile(const char* name) {
  FileHandle file = PlatformOpenExisting(name);
  int64_t size = -1;
  if (file == kNoFile) {
    NoteFailure(true);
  } else {
    size = PlatformFileSize(file);
    NoteFailure(size < 0);
  }
  if (TakeFailure()) FatalExit(kMessageBoardNotLoaded);
  if (size == 0 || size > kMaxBoardFileSize) FatalExit(kMessageBadBoardSize);

  uint8_t buffer[kMaxBoardFileSize] = {};
  int count = int(size);
  NoteFailure(PlatformReadFile(file, buffer, count) != count);
  ParseBoard(buffer, count);
  NoteFailure(!PlatformCloseFile(file));
}

static void ReadSideToMove() {
  uint8_t first = 0;
  FileHandle file = PlatformOpenExisting("tah.dat");
  if (file == kNoFile) {
    NoteFailure(true);
  } else {
    NoteFailure(PlatformReadFile(file, &first, 1) != 1);
    NoteFailure(!PlatformCloseFile(file));
  }
  sideToMove = first == 'x' ? 1 : 2;
}

void ReadBoardFiles() { ReadPositionFiles("plocha.dat", true); }

void ReadPositionFiles(const char* boardName, bool readSide) {
  fileFailed = false;
  ReadBoardFile(boardName);
  if (readSide) ReadSideToMove();
  if (TakeFailure()) FatalExit(kMessageFilesNotLoaded);
  PrepareCandidates();
}

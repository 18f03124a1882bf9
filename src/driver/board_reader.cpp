// Reads plocha.dat into the Board and the first byte of tah.dat; a fault the reader
// returns ends the run here.
#include "driver/board_reader.h"

#include "driver/fatal_exit.h"
#include "driver/position.h"
#include "tulvo/platform.h"

namespace tulvo::file_program {

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

// Reads the whole board file, or ends the run when it cannot be opened or sized.
static void ReadBoardFile() {
  FileHandle file = PlatformOpenExisting("plocha.dat");
  int64_t size = -1;
  if (file == kNoFile) {
    NoteFailure(true);
  } else {
    size = PlatformFileSize(file);
    NoteFailure(size < 0);
  }
  if (TakeFailure()) FatalExit(engine::kMessageBoardNotLoaded);
  if (const char* fault = engine::BoardSizeFault(size)) FatalExit(fault);

  uint8_t buffer[engine::kMaxBoardFileSize] = {};
  int count = int(size);
  NoteFailure(PlatformReadFile(file, buffer, count) != count);
  if (const char* fault = engine::ParseBoard(buffer, count)) FatalExit(fault);
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
  engine::sideToMove = first == 'x' ? 1 : 2;
}

void ReadBoardFiles() {
  fileFailed = false;
  ReadBoardFile();
  ReadSideToMove();
  if (TakeFailure()) FatalExit(engine::kMessageFilesNotLoaded);
  engine::PrepareCandidates();
}

}  // namespace tulvo::file_program

// Replaces tah.dat with the move in one write.
#include "driver/move_writer.h"

#include "tulvo/platform.h"

namespace tulvo::file_program {

void WriteMove(int x, int y) {
  if (!engine::IsWritableMove(x, y)) return;
  char text[8];
  int length = engine::FormatMove(x, y, text);
  // A file that cannot be created or written is not reported: the manager sees no move.
  FileHandle file = PlatformCreateFile("tah.dat");
  if (file == kNoFile) return;
  PlatformWriteFile(file, text, length);
  PlatformCloseFile(file);
}

}  // namespace tulvo::file_program

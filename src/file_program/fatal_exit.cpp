// Writes the message and CR LF in one console write, then ends the process with code 0.
#include "file_program/fatal_exit.h"

#include <tulvo/platform.h>

#include <cstring>

namespace tulvo::file_program {

void FatalExit(const char* message) {
  constexpr int kMaxMessage = 255;
  char line[kMaxMessage + 2];
  int length = int(strnlen(message, kMaxMessage));
  memcpy(line, message, size_t(length));
  line[length] = '\r';
  line[length + 1] = '\n';
  PlatformWriteConsole(line, length + 2);
  PlatformExit(0);
}

}  // namespace tulvo::file_program

// Level selection: "/n" as the first argument, else the character the file program's
// name rule reads.
#include "file_program/level.h"

#include <tulvo/file_protocol.h>
#include <tulvo/platform.h>

#include "file_program/fatal_exit.h"

namespace tulvo::file_program {

// Fixed text that managers show: its version is the banner's own, not the project's.
const char usageBanner[] =
    "Tulvo algoritmus 3.01 by the tulvo developers\r\n"
    "Pouziti: \"tulvo.exe /n\" kde n je cislo AI od 0 do 6. 6 je default.\r\n"
    "Nebo prejmenovat na tulvo0.exe, tulvo1.exe ... tulvo6.exe";

int SelectLevel() {
  if (PlatformArgumentCount() >= 1) {
    const int level = LevelOfArgument(PlatformArgument(0));
    if (level < 0) FatalExit(usageBanner);
    return level;
  }
  return LevelOfFileProgramPath(PlatformExecutablePath());
}

}  // namespace tulvo::file_program

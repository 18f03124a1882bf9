// Level selection: "/n" as the first argument, else the character the file program's
// name rule reads.
#include "driver/level.h"

#include "driver/fatal_exit.h"
#include "tulvo/platform.h"

namespace tulvo::file_program {

const char usageBanner[] =
    "Tulvo algoritmus 3.01 by the tulvo developers\r\n"
    "Pouziti: \"tulvo.exe /n\" kde n je cislo AI od 0 do 6. 6 je default.\r\n"
    "Nebo prejmenovat na tulvo0.exe, tulvo1.exe ... tulvo6.exe";

void SelectLevel() {
  if (PlatformArgumentCount() >= 1) {
    int level = engine::LevelOfArgument(PlatformArgument(0));
    if (level < 0) FatalExit(usageBanner);
    engine::aiLevel = level;
    return;
  }
  engine::aiLevel = engine::LevelOfFileProgramPath(PlatformExecutablePath());
}

}  // namespace tulvo::file_program

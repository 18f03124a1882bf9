// Level selection: "/n" as the first argument, else the digit before a ".exe" ending.
#include "driver/level.h"

#include <cstring>

#include "driver/fatal_exit.h"
#include "tulvo/platform.h"

namespace tulvo::file_program {

const char usageBanner[] =
    "Tulvo algoritmus 3.01 by the tulvo developers\r\n"
    "Pouziti: \"tulvo.exe /n\" kde n je cislo AI od 0 do 6. 6 je default.\r\n"
    "Nebo prejmenovat na tulvo0.exe, tulvo1.exe ... tulvo6.exe";

// The second character of the argument with "--" appended: "/3" -> '3', "5" -> '-'.
static char SecondCharacter(const char* argument) {
  if (argument[0] == '\0' || argument[1] == '\0') return '-';
  return argument[1];
}

// The character before the last four of the path cut to 255 characters:
// "tulvo3.exe" -> '3'. A path of four characters or fewer names no level.
static int LevelOfPath(const char* path) {
  size_t length = strnlen(path, 255);
  if (length <= 4) return engine::kDefaultLevel;
  int level = engine::LevelOfCharacter(path[length - 5]);
  return level < 0 ? engine::kDefaultLevel : level;
}

void SelectLevel() {
  if (PlatformArgumentCount() >= 1) {
    int level = engine::LevelOfCharacter(SecondCharacter(PlatformArgument(0)));
    if (level < 0) FatalExit(usageBanner);
    engine::aiLevel = level;
    return;
  }
  engine::aiLevel = LevelOfPath(PlatformExecutablePath());
}

}  // namespace tulvo::file_program

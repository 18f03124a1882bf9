// Level selection from the command line and the program's name.
#include "pbrain_level.h"

#include <cstring>

#include "tulvo/engine.h"
#include "tulvo/platform.h"

namespace tulvo::pbrain {

const char pbrainUsageBanner[] =
    "Tulvo algoritmus 3.01 by the tulvo developers\n"
    "Pouziti: \"pbrain-tulvo /n\" kde n je cislo AI od 0 do 6. 6 je default.\n"
    "Nebo prejmenovat na pbrain-tulvo0 ... pbrain-tulvo6 (pbrain-tulvo0.exe ... pbrain-tulvo6.exe)";

// As the file program: only the second character counts, and a missing one is '-'.
static int LevelOfArgument(const char* argument) {
  char second = argument[0] == '\0' || argument[1] == '\0' ? '-' : argument[1];
  return tulvo::LevelOfCharacter(second);
}

static bool EndsWithExe(const char* path, size_t length) {
  if (length < 4) return false;
  const char* ending = path + length - 4;
  for (int i = 0; i < 4; i++) {
    char c = ending[i] >= 'A' && ending[i] <= 'Z' ? char(ending[i] - 'A' + 'a') : ending[i];
    if (c != ".exe"[i]) return false;
  }
  return true;
}

// The character before a ".exe" ending (any letter case), else the last one.
static int LevelOfName(const char* path) {
  size_t length = strlen(path);
  if (EndsWithExe(path, length)) length -= 4;
  int level = length == 0 ? -1 : tulvo::LevelOfCharacter(path[length - 1]);
  return level < 0 ? tulvo::kDefaultLevel : level;
}

int SelectPbrainLevel() {
  if (PlatformArgumentCount() >= 1) return LevelOfArgument(PlatformArgument(0));
  return LevelOfName(PlatformExecutablePath());
}

}  // namespace tulvo::pbrain

// Level selection from the command line and the program's name.
#include "pbrain/pbrain_level.h"

#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>
#include <tulvo/platform.h>

namespace tulvo::pbrain {

const char pbrainUsageBanner[] =
    "Tulvo algoritmus " TULVO_VERSION
    " by the tulvo developers\n"
    "Pouziti: \"pbrain-tulvo /n\" kde n je cislo AI od 0 do 6. 6 je default.\n"
    "Nebo prejmenovat na pbrain-tulvo0 ... pbrain-tulvo6 (pbrain-tulvo0.exe ... pbrain-tulvo6.exe)";

int SelectPbrainLevel() {
  if (PlatformArgumentCount() >= 1) return tulvo::LevelOfArgument(PlatformArgument(0));
  return tulvo::LevelOfPipeProgramPath(PlatformExecutablePath());
}

}  // namespace tulvo::pbrain

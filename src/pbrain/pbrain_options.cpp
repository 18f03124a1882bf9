// The help, the version and the refusal of unknown long options.
#include "pbrain/pbrain_options.h"

#include <cstring>

#include "common/exit_status.h"

namespace tulvo::pbrain {

static const char kHelp[] =
    "Usage: pbrain-tulvo [/n | --help | --version]\n"
    "Plays one game after another by the pipe protocol on standard input and output.\n"
    "n is the level, 0..6; without an argument it is the digit ending the program's name\n"
    "(pbrain-tulvo3, pbrain-tulvo3.exe), else 6.\n";

bool IsLongOption(const char* argument) { return argument[0] == '-' && argument[1] == '-'; }

int AnswerLongOption(const char* option, FILE* out, FILE* err) {
  if (std::strcmp(option, "--help") == 0) {
    fputs(kHelp, out);
    return 0;
  }
  if (std::strcmp(option, "--version") == 0) {
    fputs("pbrain-tulvo " TULVO_VERSION "\n", out);
    return 0;
  }
  fprintf(err, "pbrain-tulvo: unknown option '%s' (see --help)\n", option);
  return kUsageStatus;
}

}  // namespace tulvo::pbrain

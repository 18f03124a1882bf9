// Entry point of the pipe program: level from the command line, then the session on
// standard input and output.
#include <tulvo/platform.h>

#include <cstdio>

#include "common/exit_status.h"
#include "pbrain/pbrain_level.h"
#include "pbrain/pbrain_options.h"
#include "pbrain/session.h"

int main(int argc, char** argv) {
  using namespace tulvo::pbrain;
  tulvo::PlatformStart(argc, argv);
  if (tulvo::PlatformArgumentCount() >= 1 && IsLongOption(tulvo::PlatformArgument(0)))
    return AnswerLongOption(tulvo::PlatformArgument(0), stdout, stderr);
  int level = SelectPbrainLevel();
  if (level < 0) {
    fputs(pbrainUsageBanner, stdout);
    fputc('\n', stdout);
    return tulvo::kUsageStatus;
  }
  return RunSession(stdin, stdout, level);
}

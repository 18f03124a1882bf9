// Entry point of the pipe program: level from the command line, then the session on
// standard input and output.
#include <cstdio>

#include "pbrain_level.h"
#include "pbrain_options.h"
#include "session.h"
#include "tulvo/platform.h"

constexpr int kUsageStatus = 2;

int main(int argc, char** argv) {
  PlatformStart(argc, argv);
  if (PlatformArgumentCount() >= 1 && IsLongOption(PlatformArgument(0)))
    return AnswerLongOption(PlatformArgument(0), stdout, stderr);
  int level = SelectPbrainLevel();
  if (level < 0) {
    fputs(pbrainUsageBanner, stdout);
    fputc('\n', stdout);
    return kUsageStatus;
  }
  return RunSession(stdin, stdout, level);
}

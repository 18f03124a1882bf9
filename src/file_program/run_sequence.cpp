// One run: every step to completion, in order, through the engine's door.
#include "file_program/run_sequence.h"

#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>
#include <tulvo/platform.h>

#include "file_program/fatal_exit.h"
#include "file_program/level.h"
#include "file_protocol/protocol_files.h"

namespace tulvo::file_program {

void RunProgram(EngineStorage& storage) {
  const UtcTimeOfDay now = PlatformUtcTime();
  const uint32_t seed = SeedOfTimeOfDay(now.hour, now.minute, now.second, now.millisecond);
  const int level = SelectLevel();
  const BoardRead read = file_protocol::ReadProtocolFiles("", "plocha.dat", 0);
  if (!read.ok) FatalExit(read.message.c_str());
  const Choice choice = DecideMove(RequestOfBoard(read, level, seed), storage);
  if (choice.hasMove) file_protocol::WriteMoveFile("", choice.x, choice.y);
  PlatformExit(0);
}

}  // namespace tulvo::file_program

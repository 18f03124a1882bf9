// A pipe-protocol session: commands in, answers out, one game at a time.
#pragma once

#include <cstdio>
#include <string>

#include "pbrain/game_state.h"
#include "pbrain/line_reader.h"

namespace tulvo::pbrain {

struct Session {
  Game game;
  int level;
  bool inBoardBlock;  // between BOARD and DONE
  int announcedRule;  // the last rule a MESSAGE was sent for, -1 for none
};

Session MakeSession(int level);
// Handles one input line and writes its answer, if any; false after END.
bool HandleLine(Session& session, const InputLine& line, FILE* out);
// Reads and answers lines until END or the end of input; returns the exit status.
int RunSession(FILE* in, FILE* out, int level);

}  // namespace tulvo::pbrain

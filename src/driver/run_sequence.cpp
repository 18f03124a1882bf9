// One run: every step to completion, in order; errors leave through FatalExit.
#include "driver/run_sequence.h"

#include "analysis/axis_summary.h"
#include "analysis/cell_tables.h"
#include "analysis/threat_classes.h"
#include "choice/move_search.h"
#include "driver/board_reader.h"
#include "driver/level.h"
#include "driver/move_writer.h"
#include "driver/platform.h"
#include "driver/position.h"
#include "driver/random.h"

void ResetEngine() {
  randomSeed = 0;
  aiLevel = kDefaultLevel;
  ResetPosition();
  CreateCellTables();
  ResetAxisSummary();
  ResetThreatCounts();
  ResetSearchState();
}

Move ChooseMoveWithSeed(uint32_t seed) {
  PrepareCandidates();
  randomSeed = seed;
  ChooseMove();
  return bestMove;
}

void RunProgram() {
  ResetEngine();
  SeedRandom();
  SelectLevel();
  CreateCellTables();
  ReadBoardFiles();
  ChooseMove();
  WriteMove(bestMove.x, bestMove.y);
  PlatformExit(0);
}

// One run: every step to completion, in order; a fault leaves through FatalExit.
#include "driver/run_sequence.h"

#include "analysis/cell_tables.h"
#include "choice/move_search.h"
#include "driver/board_reader.h"
#include "driver/clock_seed.h"
#include "driver/level.h"
#include "driver/move_writer.h"
#include "tulvo/platform.h"

namespace tulvo::file_program {

void RunProgram() {
  engine::ResetEngine();
  SeedRandom();
  SelectLevel();
  engine::CreateCellTables();
  ReadBoardFiles();
  engine::ChooseMove();
  WriteMove(engine::bestMove.x, engine::bestMove.y);
  PlatformExit(0);
}

}  // namespace tulvo::file_program

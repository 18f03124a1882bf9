// One analysed position: the engine's choice and every cell its search compared.
#pragma once

#include <vector>

#include "analyze/analyze_options.h"
#include "choice/move_search.h"
#include "core_types.h"

struct Analysis {
  uint32_t seed;
  bool hasMove;  // false when the file program would write no move
  Move move;
  std::vector<EvaluatedCell> cells;  // in scan order
};

// The analysis of the move ChooseMove has just chosen, for a run seeded with seed.
Analysis CollectAnalysis(uint32_t seed);
// Resets the engine, seeds it (from the options or the clock, as the file program
// does), sets the level, loads the input and chooses the move. The position stays
// loaded for the picture. Returns an error line for an input that cannot be reached;
// a fault in the files ends the run with the reader's message.
std::string AnalyzePosition(const AnalyzeOptions& options, Analysis& analysis);

// One analysed position: the engine's choice and every cell its search compared.
#pragma once

#include <tulvo/engine.h>

#include <cstdint>

#include "analyze/analyze_options.h"

namespace tulvo::analyze {

struct Analysis {
  uint32_t seed;
  int level;
  tulvo::Position position;
  tulvo::Choice choice;  // the move and the trace, every evaluated cell in scan order
};

// The seed of the options, else the one the file program takes from the clock now.
uint32_t SeedOf(const AnalyzeOptions& options);
// The engine's choice for the request, with its trace.
Analysis Analyze(tulvo::Request request);
// The number of stones on the position's cells.
int StoneCount(const tulvo::Position& position);

}  // namespace tulvo::analyze

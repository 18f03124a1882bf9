// Runs the engine core once, the way the file program does, and keeps what it saw.
#include "analyze/analysis.h"

#include "analyze/analyze_input.h"
#include "driver/level.h"
#include "driver/move_writer.h"
#include "driver/random.h"
#include "driver/run_sequence.h"

Analysis CollectAnalysis(uint32_t seed) {
  Analysis analysis = {seed, IsWritableMove(bestMove.x, bestMove.y), bestMove, {}};
  analysis.cells.assign(evaluatedCells, evaluatedCells + evaluatedCount);
  return analysis;
}

std::string AnalyzePosition(const AnalyzeOptions& options, Analysis& analysis) {
  ResetEngine();
  if (options.seedGiven)
    randomSeed = options.seed;
  else
    SeedRandom();
  uint32_t seed = randomSeed;
  aiLevel = options.level;
  std::string error = LoadInput(options);
  if (!error.empty()) return error;
  ChooseMove();
  analysis = CollectAnalysis(seed);
  return "";
}

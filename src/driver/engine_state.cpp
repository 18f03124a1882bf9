// Resetting every subsystem, and the choice after the position is loaded.
#include "driver/engine_state.h"

#include "analysis/axis_summary.h"
#include "analysis/threat_classes.h"
#include "choice/move_search.h"
#include "driver/ai_level.h"
#include "driver/position.h"
#include "driver/random.h"

namespace tulvo::engine {

void ResetEngine() {
  randomSeed = 0;
  aiLevel = kDefaultLevel;
  ResetPosition();
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

}  // namespace tulvo::engine

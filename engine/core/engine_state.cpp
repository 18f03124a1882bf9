// Resetting every subsystem, and the choice after the position is loaded.
#include "core/engine_state.h"

#include "analysis/axis_summary.h"
#include "analysis/threat_classes.h"
#include "choice/move_search.h"
#include "core/level.h"
#include "core/position.h"
#include "core/random.h"

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

// Own shapes rank above blocking the same shapes; a five decides alone.
#include "engine/choice/threat_priority.h"

#include "engine/choice/engine_state.h"

namespace tulvo::engine {

int DecidingThreatRow(const int32_t counts[kThreatRows][kPlayers], int own, int opp) {
  auto count = [counts](int threat, int player) { return counts[threat][player]; };
  if (count(kThreatFive, opp) >= 1) return kRowBlockFive;
  if (count(kThreatFive, own) >= 1) return kRowMakeFive;
  if (count(kThreatOpenFour, own) >= 1 || count(kThreatFour, own) >= 2) return kRowOwnOpenFour;
  if (count(kThreatFour, own) >= 1 && count(kThreatOpenThree, own) >= 1) return kRowOwnFourThree;
  if (count(kThreatOpenFour, opp) >= 1 || count(kThreatFour, opp) >= 2) return kRowOppOpenFour;
  if (count(kThreatFour, opp) >= 1 && count(kThreatOpenThree, opp) >= 1) return kRowOppFourThree;
  if (count(kThreatOpenThree, own) >= 2) return kRowOwnTwoThrees;
  if (count(kThreatOpenThree, opp) >= 2) return kRowOppTwoThrees;
  return kRowNoThreat;
}

TieredScore ComposeThreatPriority(const EngineState& s, int32_t base) {
  const int row = DecidingThreatRow(s.threatCounts, s.ownIndex, s.oppIndex);
  if (row == kRowBlockFive) return {kScoreBlockFive, row};
  if (row == kRowMakeFive) return {kScoreMakeFive, row};
  int32_t clamped = base >= kTierStep ? kTierStep - 1 : base;
  // Rows 3 to 9 are the tiers 6 down to 0.
  return {(kRowNoThreat - row) * kTierStep + clamped, row};
}

}  // namespace tulvo::engine

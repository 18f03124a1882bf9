// Own shapes rank above blocking the same shapes; a five decides alone.
#include "choice/threat_priority.h"

#include "analysis/threat_classes.h"
#include "choice/move_search.h"

static int32_t Tier() {
  auto count = [](int threat, int player) { return threatCounts[threat][player]; };
  if (count(kThreatOpenFour, ownIndex) >= 1 || count(kThreatFour, ownIndex) >= 2) return 6 * kTierStep;
  if (count(kThreatFour, ownIndex) >= 1 && count(kThreatOpenThree, ownIndex) >= 1) return 5 * kTierStep;
  if (count(kThreatOpenFour, oppIndex) >= 1 || count(kThreatFour, oppIndex) >= 2) return 4 * kTierStep;
  if (count(kThreatFour, oppIndex) >= 1 && count(kThreatOpenThree, oppIndex) >= 1) return 3 * kTierStep;
  if (count(kThreatOpenThree, ownIndex) >= 2) return 2 * kTierStep;
  if (count(kThreatOpenThree, oppIndex) >= 2) return kTierStep;
  return 0;
}

int32_t ComposeThreatPriority(int32_t base) {
  if (threatCounts[kThreatFive][oppIndex] >= 1) return kScoreBlockFive;
  if (threatCounts[kThreatFive][ownIndex] >= 1) return kScoreMakeFive;
  int32_t clamped = base >= kTierStep ? kTierStep - 1 : base;
  return Tier() + clamped;
}

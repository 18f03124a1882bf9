#include "engine/choice/threat_priority.h"

#include <gtest/gtest.h>

#include "engine/analysis/threat_classes.h"
#include "engine/choice/move_search.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

struct Counts {
  int ownFive, oppFive, ownOpenFour, oppOpenFour, ownFour, oppFour, ownThree, oppThree;
};

int32_t Compose(const Counts& c, int32_t base, int own = 0) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  s.ownIndex = uint8_t(own);
  s.oppIndex = uint8_t(1 - own);
  ResetThreatCounts(s);
  s.threatCounts[kThreatFive][s.ownIndex] = c.ownFive;
  s.threatCounts[kThreatFive][s.oppIndex] = c.oppFive;
  s.threatCounts[kThreatOpenFour][s.ownIndex] = c.ownOpenFour;
  s.threatCounts[kThreatOpenFour][s.oppIndex] = c.oppOpenFour;
  s.threatCounts[kThreatFour][s.ownIndex] = c.ownFour;
  s.threatCounts[kThreatFour][s.oppIndex] = c.oppFour;
  s.threatCounts[kThreatOpenThree][s.ownIndex] = c.ownThree;
  s.threatCounts[kThreatOpenThree][s.oppIndex] = c.oppThree;
  return ComposeThreatPriority(s, base).score;
}

}  // namespace

TEST(ComposeThreatPriority, TierTable) {
  struct Case {
    const char* what;
    Counts counts;
    int32_t base;
    int32_t score;
  };
  const Case cases[] = {
      {"nothing", {}, 1234, 1234},
      {"base clamped", {}, 99999999, 99999998},
      {"huge base clamped", {}, 2000000000, 99999998},
      {"negative base kept", {}, -5, -5},
      {"both fives", {1, 1, 0, 0, 0, 0, 0, 0}, 7, 999999998},
      {"own five", {1, 0, 1, 0, 0, 0, 0, 0}, 7, 999999999},
      {"opp five", {0, 1, 0, 0, 0, 0, 0, 0}, 7, 999999998},
      {"own open four", {0, 0, 1, 0, 0, 0, 0, 0}, 10, 599999994 + 10},
      {"two own fours", {0, 0, 0, 0, 2, 0, 0, 0}, 10, 599999994 + 10},
      {"own four and three over opp open four", {0, 0, 0, 1, 1, 0, 1, 0}, 10, 499999995 + 10},
      {"two opp fours", {0, 0, 0, 0, 0, 2, 0, 0}, 10, 399999996 + 10},
      {"opp four and three", {0, 0, 0, 0, 0, 1, 0, 1}, 10, 299999997 + 10},
      {"two own threes", {0, 0, 0, 0, 0, 0, 2, 2}, 10, 199999998 + 10},
      {"two opp threes, negative base", {0, 0, 0, 0, 0, 0, 0, 2}, -5, 99999999 - 5},
      {"single own three lifts nothing", {0, 0, 0, 0, 0, 0, 1, 0}, 10, 10},
      {"single own four lifts nothing", {0, 0, 0, 0, 1, 0, 0, 0}, 10, 10},
      {"top of a tier stays below the next", {0, 0, 0, 0, 0, 0, 0, 2}, 99999998, 199999997},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Compose(c.counts, c.base, 0), c.score) << c.what;
    EXPECT_EQ(Compose(c.counts, c.base, 1), c.score) << c.what << " (O to move)";
  }
}

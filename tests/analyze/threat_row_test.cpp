// The threat row that names a cell's tier is the one its score was composed from.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/analysis/threat_classes.h"
#include "engine/choice/engine_state.h"
#include "engine/choice/threat_priority.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

struct Counts {
  int own[kThreatRows] = {};
  int opp[kThreatRows] = {};
};

// Puts the counts into the state's threatCounts with X to move, and returns the
// deciding row.
int Load(EngineState& s, const Counts& c) {
  s.ownIndex = kPlayerX;
  s.oppIndex = kPlayerO;
  for (int k = 0; k < kThreatRows; k++) {
    s.threatCounts[k][kPlayerX] = c.own[k];
    s.threatCounts[k][kPlayerO] = c.opp[k];
  }
  return DecidingThreatRow(s.threatCounts, s.ownIndex, s.oppIndex);
}

}  // namespace

TEST(DecidingThreatRow, HandCheckedCells) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  struct Case {
    const char* what;
    Counts counts;
    int32_t base;
    int row;
    int32_t score;
  };
  auto with = [](std::initializer_list<std::pair<int, int>> own, std::initializer_list<std::pair<int, int>> opp) {
    Counts c;
    for (auto [k, n] : own) c.own[k] = n;
    for (auto [k, n] : opp) c.opp[k] = n;
    return c;
  };
  const Case cases[] = {
      {"nothing", with({}, {}), 1234, 9, 1234},
      {"nothing, huge base", with({}, {}), 150000000, 9, 99999998},
      {"both fives", with({{kThreatFive, 1}}, {{kThreatFive, 1}}), 7, 1, 999999998},
      {"own five", with({{kThreatFive, 1}}, {}), 7, 2, 999999999},
      {"own four and three over opp open four", with({{kThreatFour, 1}, {kThreatOpenThree, 1}}, {{kThreatOpenFour, 1}}),
       10, 4, 499999995 + 10},
      {"opp two fours", with({}, {{kThreatFour, 2}}), 10, 5, 399999996 + 10},
      {"opp four and three", with({}, {{kThreatFour, 1}, {kThreatOpenThree, 1}}), 0, 6, 299999997},
      {"own two threes", with({{kThreatOpenThree, 2}}, {{kThreatOpenThree, 2}}), 3, 7, 199999998 + 3},
      {"opp two threes, negative base", with({}, {{kThreatOpenThree, 2}}), -5, 8, 99999999 - 5},
      {"one own three lifts nothing", with({{kThreatOpenThree, 1}}, {}), 42, 9, 42},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Load(s, c.counts), c.row) << c.what;
    EXPECT_EQ(ComposeThreatPriority(s, c.base).score, c.score) << c.what;
  }
}

// Over every count of 0..2 in the four read classes for both players, the composed
// score lies inside the band of the row that names it, and the bands never overlap.
TEST(DecidingThreatRow, EveryCombinationScoresInsideItsRowsBand) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  const int classes[] = {kThreatOpenThree, kThreatFour, kThreatOpenFour, kThreatFive};
  for (int code = 0; code < 6561; code++) {
    Counts c;
    int rest = code;
    for (int k : classes) {
      c.own[k] = rest % 3, rest /= 3;
      c.opp[k] = rest % 3, rest /= 3;
    }
    int row = Load(s, c);
    ASSERT_GE(row, 1);
    ASSERT_LE(row, 9);
    int32_t low = ComposeThreatPriority(s, 0).score, high = ComposeThreatPriority(s, 99999998).score;
    if (row <= 2) {
      EXPECT_EQ(low, row == 1 ? kScoreBlockFive : kScoreMakeFive) << code;
      EXPECT_EQ(high, low) << code;
    } else {
      EXPECT_EQ(low, (9 - row) * kTierStep) << code;
      EXPECT_LT(high, (10 - row) * kTierStep) << code;
    }
  }
}

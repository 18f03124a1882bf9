// The cell score of levels 0 and 1: fixed values of tactical rules over the base score.
#pragma once

#include <cstdint>

#include "engine/choice/move_search.h"

namespace tulvo::engine {

constexpr int32_t kScoreRuleBlockFive = 32766;
constexpr int32_t kScoreRuleMakeFive = 32767;

// Rules 1 to 14 test shapes of both players; rules 15 and 16 (the fives) override them.
constexpr int kRuleBlockFive = 15;
constexpr int kRuleMakeFive = 16;
constexpr int kRules = 17;  // rule numbers 0 (none) to 16
// The value each rule sets, by rule number (0: no rule).
constexpr int32_t kRuleValues[kRules] = {0,     4000,  6000,  8000,  11000, 20000, 22000, 22500, 24000,
                                         26000, 26500, 27500, 28000, 29500, 30000, 32766, 32767};
static_assert(kRuleValues[kRuleBlockFive] == kScoreRuleBlockFive && kRuleValues[kRuleMakeFive] == kScoreRuleMakeFive);

// The rule that decides the current cell: own five 16, else the opponent's five 15,
// else the last of rules 1 to 14 that matches, else 0. Reads the AxisSummary and
// the current tables; draws nothing.
int DecidingRule(const EngineState& s);

// The deciding rule (DecidingRule's) and the cell score it gives: its value, damped at
// level 0 with two draws, plus the base; the two five rules override the result.
TieredScore ScoreByRules(EngineState& s, int32_t base);

}  // namespace tulvo::engine

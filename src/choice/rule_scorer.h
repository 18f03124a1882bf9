// The cell score of levels 0 and 1: fixed values of tactical rules over the base score.
#pragma once

#include <cstdint>

constexpr int32_t kScoreRuleBlockFive = 32766;
constexpr int32_t kScoreRuleMakeFive = 32767;

// Tests every rule in order (a later match overwrites), damps at level 0 with two
// draws, adds the base, and lets the two five rules override the result.
int32_t ScoreByRules(int32_t base);

// The final cell score of levels 2 to 6: a tier from both players' threats over the
// level's base score.
#pragma once

#include <cstdint>

constexpr int32_t kTierStep = 99999999;
constexpr int32_t kScoreBlockFive = 999999998;
constexpr int32_t kScoreMakeFive = 999999999;

int32_t ComposeThreatPriority(int32_t base);

// The final cell score of levels 2 to 6: a tier from both players' threats over the
// level's base score.
#pragma once

#include <cstdint>

#include "engine/analysis/threat_classes.h"
#include "engine/choice/move_search.h"

namespace tulvo::engine {

constexpr int32_t kTierStep = 99999999;
constexpr int32_t kScoreBlockFive = 999999998;
constexpr int32_t kScoreMakeFive = 999999999;

// The threat rows, the first that holds decides the cell.
constexpr int kRowBlockFive = 1;
constexpr int kRowMakeFive = 2;
constexpr int kRowOwnOpenFour = 3;   // own open four, or two own fours
constexpr int kRowOwnFourThree = 4;  // own four and open three
constexpr int kRowOppOpenFour = 5;   // the opponent's open four, or two fours
constexpr int kRowOppFourThree = 6;  // the opponent's four and open three
constexpr int kRowOwnTwoThrees = 7;
constexpr int kRowOppTwoThrees = 8;
constexpr int kRowNoThreat = 9;

// The first row that holds for counts (indexed [threat class][player]) with own the
// player index of the side to move and opp its opponent's.
int DecidingThreatRow(const int32_t counts[kThreatRows][kPlayers], int own, int opp);
// The current cell's deciding threat row (DecidingThreatRow's) and its score over
// the base.
TieredScore ComposeThreatPriority(const EngineState& s, int32_t base);

}  // namespace tulvo::engine

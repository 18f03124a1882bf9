// The progress line: games played, the last pairing's score and pairs, the SPRT's
// LLR against its bounds, and an estimate of the time left.
#pragma once

#include <optional>
#include <string>

#include "arena/stats/tally.h"

namespace tulvo::arena {

struct Progress {
  int played;                 // games of the schedule played so far, earlier runs' included
  int total;                  // games in the schedule
  std::string pairing;        // "first - second" of the last game
  const PairingTally& tally;  // the last game's pairing
  std::optional<double> llr;  // under an SPRT
  const SprtTest* test;       // under an SPRT, else nullptr
  long long msLeft;           // -1 while unknown
};

// "7/20 games; last: a - b +4 =1 -2, pairs 0 1 1 1 0; LLR 0.31 [-2.94, 2.94]; about 1m20s left"
std::string ProgressText(const Progress& progress);

// The time left: the games' mean duration, times the games still to play, shared
// among the games played at once; -1 before any game has ended.
long long MsLeft(long long msPlayed, int gamesTimed, int gamesLeft, int jobs);

}  // namespace tulvo::arena

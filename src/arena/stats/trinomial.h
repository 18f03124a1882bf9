// The trinomial model: every game counts on its own, as a win, a draw or a loss.
#pragma once

#include "arena/stats/estimate.h"

namespace tulvo::arena {

// Over games: the mean game score and its variance per game. With zeroAsHalf, a
// count of 0 is taken as half a game, so that a one-sided score, which has no
// spread of its own, does not decide a test after one game.
ScoreSample TrinomialSample(int wins, int draws, int losses, bool zeroAsHalf);

struct EloEstimate {
  double elo;  // +-infinity for a score of 100% or 0%
  double low;
  double high;
};

// From the side of the player with these wins, draws and losses (games > 0), the
// counts as they are.
EloEstimate EstimateElo(int wins, int draws, int losses);

}  // namespace tulvo::arena

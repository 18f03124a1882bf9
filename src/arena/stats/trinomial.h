// The trinomial model: every game counts on its own, as a win, a draw or a loss.
#pragma once

#include "arena/stats/estimate.h"

namespace tulvo::arena {

// Over games: the mean game score and its variance per game. With zeroAsHalf, a
// count of 0 is taken as half a game, so that a one-sided score, which has no
// spread of its own, does not decide a test after one game.
ScoreSample TrinomialSample(int wins, int draws, int losses, bool zeroAsHalf);

}  // namespace tulvo::arena

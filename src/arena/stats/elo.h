// Elo difference implied by a match score, with its 95% confidence interval.
#pragma once

namespace tulvo::arena {

struct EloEstimate {
  double elo;  // +-infinity for a score of 100% or 0%
  double low;
  double high;
};

// From the side of the player with these wins, draws and losses (games > 0).
EloEstimate EstimateElo(int wins, int draws, int losses);

}  // namespace tulvo::arena

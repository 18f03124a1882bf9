// Elo difference implied by a match score, with its 95% confidence interval.
#include "arena/stats/elo.h"

#include <cmath>
#include <limits>

namespace tulvo::arena {

// The logistic Elo model: expected score p means a difference of -400 log10(1/p - 1).
static double EloOfScore(double p) {
  if (p <= 0) return -std::numeric_limits<double>::infinity();
  if (p >= 1) return std::numeric_limits<double>::infinity();
  return -400.0 * std::log10(1.0 / p - 1.0);
}

// The interval comes from the normal approximation of the mean game score, whose
// spread is measured from the games themselves (so draws narrow it).
EloEstimate EstimateElo(int wins, int draws, int losses) {
  double games = wins + draws + losses;
  double score = (wins + 0.5 * draws) / games;
  double variance =
      (wins * (1 - score) * (1 - score) + draws * (0.5 - score) * (0.5 - score) + losses * score * score) / games;
  double margin = 1.959964 * std::sqrt(variance / games);
  return {EloOfScore(score), EloOfScore(score - margin), EloOfScore(score + margin)};
}

}  // namespace tulvo::arena

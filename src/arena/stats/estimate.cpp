// What a sample of scores says about two players, from the normal approximation of
// the mean score.
#include "arena/stats/estimate.h"

#include <cmath>
#include <limits>

namespace tulvo::arena {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kZ95 = 1.959964;  // the 97.5% quantile of the standard normal

// One game's spread as the normalised Elo's unit: 800 / ln 10 Elo per standard deviation.
double NormalisedElo(double score, double gameDeviation) {
  if (gameDeviation == 0) return score > 0.5 ? kInfinity : score < 0.5 ? -kInfinity : 0;
  return (score - 0.5) / gameDeviation * 800 / std::log(10.0);
}

}  // namespace

double ScoreOfElo(double elo) { return 1 / (1 + std::pow(10.0, -elo / 400)); }

double EloOfScore(double score) {
  if (score <= 0) return -kInfinity;
  if (score >= 1) return kInfinity;
  return -400.0 * std::log10(1.0 / score - 1.0);
}

Estimate EstimateOf(const ScoreSample& sample, double gamesPerUnit) {
  double error = std::sqrt(sample.variance / sample.count);
  double margin = kZ95 * error, deviation = std::sqrt(gamesPerUnit * sample.variance);
  double m = sample.mean;
  double los = error == 0 ? (m > 0.5 ? 1 : m < 0.5 ? 0 : 0.5) : 0.5 * std::erfc(-(m - 0.5) / (error * std::sqrt(2.0)));
  return {EloOfScore(m),
          EloOfScore(m - margin),
          EloOfScore(m + margin),
          NormalisedElo(m, deviation),
          NormalisedElo(m - margin, deviation),
          NormalisedElo(m + margin, deviation),
          los};
}

double LlrOf(const ScoreSample& sample, double s0, double s1) {
  return sample.count * (s1 - s0) * (2 * sample.mean - s0 - s1) / (2 * sample.variance);
}

}  // namespace tulvo::arena

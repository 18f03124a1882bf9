// What a sample of scores says about two players, whichever unit it counts: the
// Elo difference, the normalised Elo, the likelihood of superiority and the SPRT's
// log-likelihood ratio, all from the normal approximation of the mean score.
#pragma once

namespace tulvo::arena {

// Scores of one player over count units (games or game pairs): the mean score per
// game and the variance of one unit's score (as a fraction of its games' points).
struct ScoreSample {
  double count;
  double mean;
  double variance;
};

struct Estimate {
  double elo;  // +-infinity for a mean of 1 or 0
  double eloLow;
  double eloHigh;  // the 95% interval
  double nelo;     // the normalised Elo: the mean's distance from 1/2 in units of one game's spread
  double neloLow;
  double neloHigh;
  double los;  // the likelihood that the player is the stronger one
};

// The expected score of a player this many logistic Elo points stronger, and back.
double ScoreOfElo(double elo);
double EloOfScore(double score);

// gamesPerUnit is 1 for games and 2 for pairs: one game's variance is taken as
// gamesPerUnit times one unit's. Without spread (variance 0) the interval is the
// point itself, nElo is infinite (0 at a mean of 1/2) and LOS 1, 0 or 1/2.
Estimate EstimateOf(const ScoreSample& sample, double gamesPerUnit);

// N (s1 - s0) (2m - s0 - s1) / (2v) for the expected scores s0 and s1 of the two
// hypotheses.
double LlrOf(const ScoreSample& sample, double s0, double s1);

}  // namespace tulvo::arena

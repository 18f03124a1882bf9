// The sequential probability ratio test that stops a match once it is clear
// whether one engine is stronger than the other by elo0 or by elo1 points.
#pragma once

#include <optional>
#include <string>

#include "arena/stats/estimate.h"

namespace tulvo::arena {

struct SprtTest {
  double elo0;          // H0: the first engine is this much stronger (logistic Elo)
  double elo1;          // H1: ...or this much; elo0 < elo1
  double alpha = 0.05;  // chance of accepting H1 when H0 holds
  double beta = 0.05;   // chance of accepting H0 when H1 holds

  double LowerBound() const;  // ln(beta / (1 - alpha)): at or below it H0 is accepted
  double UpperBound() const;  // ln((1 - beta) / alpha): at or above it H1 is accepted
};

// "elo0,elo1" or "elo0,elo1,alpha,beta"; nullopt with error set otherwise.
std::optional<SprtTest> ParseSprt(const std::string& text, std::string& error);

// The log-likelihood ratio of H1 against H0 for a sample of the first engine's
// scores, in either model: with N units, mean score m and the variance v of one
// unit's score, N (s1 - s0) (2 m - s0 - s1) / (2 v), where s0 and s1 are the
// expected scores of elo0 and elo1.
double SprtLlr(const SprtTest& test, const ScoreSample& sample);

// The same after these results of the first engine, in the normal approximation
// over wins, draws and losses (the trinomial model): with N games,
// mean score s and its per-game variance v, N (s1 - s0) (2 s - s0 - s1) / (2 v),
// where s0 and s1 are the expected scores of elo0 and elo1. A count of 0 is taken
// as half a game: a one-sided score has no spread of its own, and would otherwise
// decide the test after a single game.
double SprtLlr(const SprtTest& test, int wins, int draws, int losses);

enum class SprtVerdict { kOpen, kH0, kH1 };

SprtVerdict Verdict(const SprtTest& test, double llr);

// Where a sequential test stands: its verdict, and when and where it was reached.
struct SprtState {
  SprtVerdict verdict = SprtVerdict::kOpen;
  int decidedAt = 0;  // games played when a bound was crossed
  double llr = 0;
};

}  // namespace tulvo::arena

// The pentanomial model on hand-made pair lists: counts, Elo, nElo, LOS and the
// SPRT's ratio; and pairs counted from games that end in any order.
#include "arena/stats/pentanomial.h"

#include <gtest/gtest.h>

#include <cmath>

#include "arena/stats/tally.h"
#include "arena/stats/trinomial.h"

using namespace tulvo::arena;

namespace {

GameResult Ended(Outcome outcome) { return {outcome, EndReason::kFive, "", 0, {}, ArenaBoard(15)}; }

// The plain formulas over a list of pair scores s_i (points / 2), a zero count as
// half a pair: what the model must equal.
struct Plain {
  double mean, variance, pairs;
};
Plain PlainOf(const PairCounts& counts) {
  double n = 0, sum = 0, squares = 0;
  for (int k = 0; k < 5; k++) {
    double c = counts.counts[size_t(k)] == 0 ? 0.5 : counts.counts[size_t(k)];
    n += c;
    sum += c * k / 4.0;
    squares += c * (k / 4.0) * (k / 4.0);
  }
  return {sum / n, squares / n - (sum / n) * (sum / n), n};
}

TEST(Pentanomial, FiguresOnHandMadePairLists) {
  struct Case {
    const char* name;
    PairCounts counts;
    double elo, nelo, los, llr;  // NAN: checked against the plain formulas only
  };
  // {1, 1, 1, 2, 3} by hand: N = 8, m = (0 + 1/4 + 1/2 + 2 * 3/4 + 3) / 8 = 0.65625;
  // v = (0.430664 + 0.165039 + 0.024414 + 0.017578 + 0.354492) / 8 = 0.124023;
  // Elo = -400 log10(1 / 0.65625 - 1) = 112.33; nElo = 0.15625 / sqrt(0.248047) *
  // 347.44 = 109.00; LOS = Phi(0.15625 / sqrt(0.124023 / 8)) = 0.8952; with s0 = 1/2
  // and s1 = 0.514387 (10 Elo), LLR = 8 * 0.014387 * 0.298113 / 0.248047 = 0.1383.
  const Case cases[] = {
      {"by hand", {{1, 1, 1, 2, 3}}, 112.33, 109.00, 0.8952, 0.1383},
      {"every pair WL", {{0, 0, 40, 0, 0}}, 0, 0, 0.5, NAN},
      {"one-sided", {{0, 0, 0, 0, 12}}, NAN, NAN, NAN, NAN},
      {"balanced", {{3, 10, 20, 10, 3}}, 0, 0, 0.5, NAN},
      {"behind", {{9, 6, 20, 3, 1}}, NAN, NAN, NAN, NAN},
  };
  SprtTest test{0, 10};
  for (const Case& c : cases) {
    ScoreSample sample = PentanomialSample(c.counts);
    Plain plain = PlainOf(c.counts);
    EXPECT_NEAR(sample.mean, plain.mean, 1e-12) << c.name;
    EXPECT_NEAR(sample.variance, plain.variance, 1e-12) << c.name;
    EXPECT_NEAR(sample.count, plain.pairs, 1e-12) << c.name;
    Estimate e = EstimateOf(sample, 2);
    double error = std::sqrt(plain.variance / plain.pairs);
    EXPECT_NEAR(e.eloLow, EloOfScore(plain.mean - 1.959964 * error), 1e-6) << c.name;
    EXPECT_NEAR(e.nelo, (plain.mean - 0.5) / std::sqrt(2 * plain.variance) * 800 / std::log(10.0), 1e-6) << c.name;
    EXPECT_NEAR(SprtLlr(test, sample),
                plain.pairs * (ScoreOfElo(10) - 0.5) * (2 * plain.mean - 0.5 - ScoreOfElo(10)) / (2 * plain.variance),
                1e-9)
        << c.name;
    if (!std::isnan(c.elo)) {
      EXPECT_NEAR(e.elo, c.elo, 0.01) << c.name;
    }
    if (!std::isnan(c.nelo)) {
      EXPECT_NEAR(e.nelo, c.nelo, 0.01) << c.name;
    }
    if (!std::isnan(c.los)) {
      EXPECT_NEAR(e.los, c.los, 1e-4) << c.name;
    }
    if (!std::isnan(c.llr)) {
      EXPECT_NEAR(SprtLlr(test, sample), c.llr, 1e-4) << c.name;
    }
  }
}

// Pairs in which each engine wins its game as X: the trinomial model sees as many
// wins as losses, of maximal spread, the pentanomial model next to no spread. Over
// 400 pairs it tells 0 Elo from 10, where single games cannot yet.
TEST(Pentanomial, EvenPairsDecideWhereSingleGamesCannot) {
  PairCounts even{{0, 0, 400, 0, 0}};
  ScoreSample pairs = PentanomialSample(even);
  EXPECT_LT(pairs.variance, 0.001) << "only the zero-count rule spreads it";
  SprtTest test{0, 10};
  EXPECT_EQ(Verdict(test, SprtLlr(test, pairs)), SprtVerdict::kH0);
  EXPECT_EQ(Verdict(test, SprtLlr(test, 400, 0, 400)), SprtVerdict::kOpen);
  Estimate narrow = EstimateOf(pairs, 2), wide = EstimateOf(TrinomialSample(400, 0, 400, false), 1);
  EXPECT_LT(narrow.eloHigh - narrow.eloLow, (wide.eloHigh - wide.eloLow) / 4);
}

// Pairs count once both games have ended, in whichever order they end; an odd last
// game stands alone and counts only in the games.
TEST(PairingTally, CountsAPairOnceBothGamesHaveEnded) {
  std::vector<GameJob> jobs = ScheduleGames(1, 7, 4);
  PairingTally tally;
  const std::pair<int, Outcome> finished[] = {{1, Outcome::kXWins}, {0, Outcome::kXWins}, {3, Outcome::kDraw},
                                              {6, Outcome::kOWins}, {2, Outcome::kXWins}, {5, Outcome::kOWins},
                                              {4, Outcome::kXWins}};
  const std::array<int, 5> after[] = {{0, 0, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 1, 0, 0},
                                      {0, 0, 1, 1, 0}, {0, 0, 1, 1, 0}, {0, 0, 1, 1, 1}};
  for (size_t i = 0; i < std::size(finished); i++) {
    tally.Record(jobs[size_t(finished[i].first)], Ended(finished[i].second));
    EXPECT_EQ(tally.pairs.counts, after[i]) << "after game " << finished[i].first;
  }
  EXPECT_EQ(tally.games.Games(), 7);
  EXPECT_EQ(tally.pairs.Pairs(), 3) << "game 6 has no partner";
  EXPECT_EQ(tally.Reversed().pairs.counts, (std::array<int, 5>{1, 1, 1, 0, 0}));
}

}  // namespace

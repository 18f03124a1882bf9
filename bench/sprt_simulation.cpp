// How the SPRT of tulvo-arena fares in each statistics model: many simulated tests
// of H0 = 0 against H1 = 10 Elo, whose games come in pairs with a strong colour
// effect (the side that moves first scores far more), judged by the pentanomial
// and the trinomial model on the same games. Prints, for a true difference of 0
// and of 10 Elo, the mean games to a verdict and how often each verdict came.
//
//   tulvo-sprt-simulation [RUNS] [SEED]     (default 2000 runs per truth, seed 1)
#include <cstdio>
#include <cstdlib>
#include <random>

#include "arena/stats/pentanomial.h"
#include "arena/stats/sprt.h"
#include "arena/stats/trinomial.h"

using namespace tulvo::arena;

namespace {

constexpr double kColourEffect = 0.3;  // X's expected score above the pair's mean, O's below
constexpr double kDraws = 0.1;         // the chance of a draw in any game
constexpr int kMostGames = 400000;     // a test that has not decided by then counts as undecided

struct Outcome {
  long long games = 0;
  int h0 = 0, h1 = 0, open = 0;
};

// One game's points for the first engine, which expects score.
double PlayGame(double score, std::mt19937_64& random) {
  double draw = std::uniform_real_distribution<double>(0, 1)(random);
  if (draw < kDraws) return 0.5;
  return std::uniform_real_distribution<double>(0, 1 - kDraws)(random) < score - kDraws / 2 ? 1 : 0;
}

void Record(Outcome& outcome, SprtVerdict verdict, int games) {
  outcome.games += games;
  if (verdict == SprtVerdict::kH1) outcome.h1++;
  if (verdict == SprtVerdict::kH0) outcome.h0++;
  if (verdict == SprtVerdict::kOpen) outcome.open++;
}

// One test: pairs until both models have decided; each model decides on its own
// units, the trinomial after every game, the pentanomial after every pair.
void RunTest(const SprtTest& test, double elo, std::mt19937_64& random, Outcome& pairs, Outcome& games) {
  double mean = ScoreOfElo(elo);
  PairCounts counts;
  int wins = 0, draws = 0, losses = 0, played = 0;
  SprtVerdict byPairs = SprtVerdict::kOpen, byGames = SprtVerdict::kOpen;
  int pairsAt = kMostGames, gamesAt = kMostGames;
  while (played < kMostGames && (byPairs == SprtVerdict::kOpen || byGames == SprtVerdict::kOpen)) {
    double points = 0;
    for (double score : {mean + kColourEffect, mean - kColourEffect}) {
      double game = PlayGame(score, random);
      points += game;
      (game == 1 ? wins : game == 0 ? losses : draws)++;
      played++;
      if (byGames == SprtVerdict::kOpen &&
          (byGames = Verdict(test, SprtLlr(test, wins, draws, losses))) != SprtVerdict::kOpen)
        gamesAt = played;
    }
    counts.counts[size_t(2 * points)]++;
    if (byPairs == SprtVerdict::kOpen &&
        (byPairs = Verdict(test, SprtLlr(test, PentanomialSample(counts)))) != SprtVerdict::kOpen)
      pairsAt = played;
  }
  Record(pairs, byPairs, pairsAt);
  Record(games, byGames, gamesAt);
}

void Print(const char* truth, const char* model, const Outcome& outcome, int runs) {
  std::printf("%-7s %-12s %10.0f %12.1f%% %12.1f%% %8d\n", truth, model, double(outcome.games) / runs,
              100.0 * outcome.h1 / runs, 100.0 * outcome.h0 / runs, outcome.open);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::atoi(argv[1]) : 2000;
  unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  if (runs <= 0) {
    std::fputs("usage: tulvo-sprt-simulation [RUNS] [SEED]\n", stderr);
    return 2;
  }
  SprtTest test{0, 10};
  std::mt19937_64 random(seed);
  std::printf(
      "%d SPRTs per truth: elo0 0, elo1 10, alpha = beta = 0.05; X scores %.2f above the mean, O %.2f "
      "below; %.0f%% draws\n\n",
      runs, kColourEffect, kColourEffect, 100 * kDraws);
  std::printf("%-7s %-12s %10s %13s %13s %8s\n", "truth", "model", "mean games", "H1 accepted", "H0 accepted", "open");
  for (double elo : {0.0, 10.0}) {
    Outcome pairs, games;
    for (int run = 0; run < runs; run++) RunTest(test, elo, random, pairs, games);
    const char* truth = elo == 0 ? "0 Elo" : "10 Elo";
    Print(truth, "pentanomial", pairs, runs);
    Print(truth, "trinomial", games, runs);
  }
  return 0;
}

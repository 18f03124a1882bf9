// Adding up finished games: wins, draws and losses, and the game pairs.
#include "arena/stats/tally.h"

#include <algorithm>

#include "arena/stats/trinomial.h"

namespace tulvo::arena {

void Tally::Record(bool isX, const GameResult& game) {
  int reason = int(game.reason);
  if (game.outcome == Outcome::kDraw) {
    draws++;
  } else if ((game.outcome == Outcome::kXWins) == isX) {
    wins++;
    wonBy[size_t(reason)]++;
  } else {
    losses++;
    lostBy[size_t(reason)]++;
  }
}

void Tally::Add(const Tally& other) {
  wins += other.wins;
  draws += other.draws;
  losses += other.losses;
  for (size_t r = 0; r < lostBy.size(); r++) {
    lostBy[r] += other.lostBy[r];
    wonBy[r] += other.wonBy[r];
  }
}

Tally Tally::Reversed() const {
  Tally reversed = *this;
  std::swap(reversed.wins, reversed.losses);
  std::swap(reversed.lostBy, reversed.wonBy);
  return reversed;
}

const char* StatsModelName(StatsModel model) { return model == StatsModel::kPentanomial ? "pentanomial" : "trinomial"; }

std::optional<StatsModel> StatsModelNamed(const std::string& name) {
  if (name == "pentanomial") return StatsModel::kPentanomial;
  if (name == "trinomial") return StatsModel::kTrinomial;
  return std::nullopt;
}

// The first engine's points in one game: 0, 1/2 or 1.
static double Points(const GameJob& job, const GameResult& game) {
  if (game.outcome == Outcome::kDraw) return 0.5;
  return (game.outcome == Outcome::kXWins) == job.firstIsX ? 1 : 0;
}

void PairingTally::Record(const GameJob& job, const GameResult& game) {
  games.Record(job.firstIsX, game);
  auto half = halves.find(job.pair);
  if (half == halves.end()) {
    halves[job.pair] = Points(job, game);
    return;
  }
  pairs.counts[size_t(2 * (half->second + Points(job, game)))]++;
  halves.erase(half);
}

void PairingTally::Add(const PairingTally& other) {
  games.Add(other.games);
  pairs.Add(other.pairs);
}

PairingTally PairingTally::Reversed() const {
  PairingTally reversed;
  reversed.games = games.Reversed();
  reversed.pairs = pairs.Reversed();
  for (const auto& [pair, points] : halves) reversed.halves[pair] = 1 - points;
  return reversed;
}

ScoreSample PairingTally::Sample(StatsModel model, bool forTest) const {
  if (model == StatsModel::kPentanomial) return PentanomialSample(pairs);
  return TrinomialSample(games.wins, games.draws, games.losses, forTest);
}

Estimate PairingTally::Figures(StatsModel model) const {
  return EstimateOf(Sample(model), model == StatsModel::kPentanomial ? 2 : 1);
}

double PairingTally::Llr(StatsModel model, const SprtTest& test) const { return SprtLlr(test, Sample(model, true)); }

double JudgeSprt(const SprtTest& test, StatsModel model, const PairingTally& tally, int finished, SprtState& state) {
  double llr = tally.Llr(model, test);
  if (state.verdict == SprtVerdict::kOpen) state = {Verdict(test, llr), finished, llr};
  return llr;
}

std::vector<PairingTally> TallyPairings(int pairings, const std::vector<GameJob>& jobs,
                                        const std::vector<std::optional<GameResult>>& results) {
  std::vector<PairingTally> tallies(static_cast<size_t>(pairings));
  for (size_t i = 0; i < jobs.size(); i++) {
    if (results[i]) tallies[size_t(jobs[i].pairing)].Record(jobs[i], *results[i]);
  }
  return tallies;
}

}  // namespace tulvo::arena

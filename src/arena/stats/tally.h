// Adding up finished games: wins, draws and losses with their reasons, and the
// game pairs once both of their games have ended.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "arena/match/referee.h"
#include "arena/match/schedule.h"
#include "arena/stats/estimate.h"
#include "arena/stats/pentanomial.h"
#include "arena/stats/sprt.h"

namespace tulvo::arena {

// Results from one side: its wins, draws and losses, and how each loss came about.
struct Tally {
  int wins = 0;
  int draws = 0;
  int losses = 0;
  std::array<int, kEndReasons> lostBy{};
  std::array<int, kEndReasons> wonBy{};  // the opponent's losses by reason

  int Games() const { return wins + draws + losses; }
  double Score() const { return wins + 0.5 * draws; }
  void Record(bool isX, const GameResult& game);
  void Add(const Tally& other);
  Tally Reversed() const;  // the same games from the opponent's side
};

// Which figures the statistics come from: pairs of games, or single games.
enum class StatsModel { kPentanomial, kTrinomial };

// "pentanomial" or "trinomial", and back.
const char* StatsModelName(StatsModel model);
std::optional<StatsModel> StatsModelNamed(const std::string& name);

// The games of one pairing (or one engine's against all), from the first engine's
// side: each game on its own, and the pairs whose two games have both ended.
struct PairingTally {
  Tally games;
  PairCounts pairs;
  std::map<int, double> halves;  // the first engine's points in the pairs with one game ended

  void Record(const GameJob& job, const GameResult& game);
  void Add(const PairingTally& other);  // games and whole pairs
  PairingTally Reversed() const;
  // The model's sample: pairs (a zero count as half a pair) or games (as they are,
  // or for the SPRT with a zero count as half a game).
  ScoreSample Sample(StatsModel model, bool forTest = false) const;
  Estimate Figures(StatsModel model) const;
  double Llr(StatsModel model, const SprtTest& test) const;
};

// Updates the test after a game of the pairing it judges, finished games into the
// match: the first bound the LLR reaches is the verdict. The LLR now.
double JudgeSprt(const SprtTest& test, StatsModel model, const PairingTally& tally, int finished, SprtState& state);

// One tally per pairing over the games played (results[i] is the game of jobs[i],
// empty when it was not played).
std::vector<PairingTally> TallyPairings(int pairings, const std::vector<GameJob>& jobs,
                                        const std::vector<std::optional<GameResult>>& results);

}  // namespace tulvo::arena

// Adding up finished games and printing the results tables.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "arena/match/engine.h"
#include "arena/match/referee.h"
#include "arena/match/schedule.h"

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

// One tally per pairing, from the first engine's side, over the games played
// (results[i] is the game of jobs[i], empty when it was not played).
std::vector<Tally> TallyPairings(int pairings, const std::vector<GameJob>& jobs,
                                 const std::vector<std::optional<GameResult>>& results);

// Per pairing: games, W/D/L, score, Elo difference with 95% interval and the losses
// that were not fives; then per engine: totals against all its opponents and its
// losses by reason.
std::string FormatResults(const std::vector<EngineCommand>& engines, const std::vector<Pairing>& pairings,
                          const std::vector<Tally>& tallies);

}  // namespace tulvo::arena

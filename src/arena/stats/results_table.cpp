// Adding up finished games and printing the results tables.
#include "arena/stats/results_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "arena/stats/elo.h"

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

std::vector<Tally> TallyPairings(int pairings, const std::vector<GameJob>& jobs,
                                 const std::vector<std::optional<GameResult>>& results) {
  std::vector<Tally> tallies(static_cast<size_t>(pairings));
  for (size_t i = 0; i < jobs.size(); i++) {
    if (results[i]) tallies[size_t(jobs[i].pairing)].Record(jobs[i].firstIsX, *results[i]);
  }
  return tallies;
}

static std::string Format(const char* format, auto... values) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

static std::string EloText(double elo) {
  if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
  double rounded = std::round(elo);
  return Format("%+.0f", rounded == 0 ? 0.0 : rounded);
}

// games, W, D, L, score in percent, Elo with its interval.
static std::string TallyColumns(const Tally& tally) {
  EloEstimate elo = EstimateElo(tally.wins, tally.draws, tally.losses);
  return Format("%6d %5d %5d %5d %6.1f%% %6s [%s, %s]", tally.Games(), tally.wins, tally.draws, tally.losses,
                100.0 * tally.Score() / tally.Games(), EloText(elo.elo).c_str(), EloText(elo.low).c_str(),
                EloText(elo.high).c_str());
}

// "timeout 2, crash 1": the losses of a side that were not fives.
static std::string Faults(const std::array<int, kEndReasons>& byReason) {
  std::string text;
  for (int r = 0; r < kEndReasons; r++) {
    if (r == int(EndReason::kFive) || byReason[size_t(r)] == 0) continue;
    text += (text.empty() ? "" : ", ") + Format("%s %d", EndReasonName(EndReason(r)), byReason[size_t(r)]);
  }
  return text;
}

static size_t LabelWidth(const std::vector<EngineCommand>& engines) {
  size_t width = 6;
  for (const auto& engine : engines) width = std::max(width, engine.label.size());
  return width;
}

static std::string PairingTable(const std::vector<EngineCommand>& engines, const std::vector<Pairing>& pairings,
                                const std::vector<Tally>& tallies) {
  int width = int(LabelWidth(engines) * 2 + 3);
  std::string text = Format("%-*s %6s %5s %5s %5s %7s %s\n", width, "pairing", "games", "W", "D", "L", "score",
                            "  Elo [95% interval]   faults");
  for (size_t i = 0; i < pairings.size(); i++) {
    if (tallies[i].Games() == 0) continue;
    std::string name = engines[size_t(pairings[i].first)].label + " - " + engines[size_t(pairings[i].second)].label;
    std::string first = Faults(tallies[i].lostBy), second = Faults(tallies[i].wonBy);
    std::string faults = first.empty() ? "" : "  first: " + first;
    if (!second.empty()) faults += "  second: " + second;
    text += Format("%-*s ", width, name.c_str()) + TallyColumns(tallies[i]) + faults + "\n";
  }
  return text;
}

static std::string EngineTable(const std::vector<EngineCommand>& engines, const std::vector<Pairing>& pairings,
                               const std::vector<Tally>& tallies) {
  std::vector<Tally> totals(engines.size());
  for (size_t i = 0; i < pairings.size(); i++) {
    totals[size_t(pairings[i].first)].Add(tallies[i]);
    totals[size_t(pairings[i].second)].Add(tallies[i].Reversed());
  }
  int width = int(LabelWidth(engines));
  std::string text = Format("%-*s %6s %5s %5s %5s %7s %s\n", width, "engine", "games", "W", "D", "L", "score",
                            "  Elo vs its opponents   losses by reason");
  for (size_t e = 0; e < engines.size(); e++) {
    if (totals[e].Games() == 0) continue;
    std::string five = Format("five %d", totals[e].lostBy[size_t(EndReason::kFive)]);
    std::string faults = Faults(totals[e].lostBy);
    text += Format("%-*s ", width, engines[e].label.c_str()) + TallyColumns(totals[e]) + "  " + five +
            (faults.empty() ? "" : ", " + faults) + "\n";
  }
  return text;
}

std::string FormatResults(const std::vector<EngineCommand>& engines, const std::vector<Pairing>& pairings,
                          const std::vector<Tally>& tallies) {
  return PairingTable(engines, pairings, tallies) + "\n" + EngineTable(engines, pairings, tallies);
}

}  // namespace tulvo::arena

// Adding up finished games and printing the results tables.
#include "arena/stats/results_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tulvo::arena {

static std::string Format(const char* format, auto... values) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

std::string EloText(double elo) {
  if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
  double rounded = std::round(elo);
  return Format("%+.0f", rounded == 0 ? 0.0 : rounded);
}

// games, W, D, L, score in percent, Elo with its interval, nElo, LOS and the pairs.
static std::string TallyColumns(const PairingTally& tally, StatsModel model) {
  const Tally& games = tally.games;
  Estimate figures = tally.Figures(model);
  std::string interval = EloText(figures.elo) + " [" + EloText(figures.eloLow) + ", " + EloText(figures.eloHigh) + "]";
  const auto& n = tally.pairs.counts;
  return Format("%6d %5d %5d %5d %6.1f%%  %-19s %5s %5.1f%%  pairs: %d %d %d %d %d", games.Games(), games.wins,
                games.draws, games.losses, 100.0 * games.Score() / games.Games(), interval.c_str(),
                EloText(figures.nelo).c_str(), 100 * figures.los, n[0], n[1], n[2], n[3], n[4]);
}

static const char* const kColumns = "  Elo [95% interval]   nElo    LOS  pairs: LL LD DD+WL WD WW";

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

static std::string Heading(const char* first, int width) {
  return Format("%-*s %6s %5s %5s %5s %7s%s", width, first, "games", "W", "D", "L", "score", kColumns);
}

static std::string PairingTable(const std::vector<EngineCommand>& engines, const std::vector<Pairing>& pairings,
                                const std::vector<PairingTally>& tallies, StatsModel model) {
  int width = int(LabelWidth(engines) * 2 + 3);
  std::string text = Heading("pairing", width) + "  faults\n";
  for (size_t i = 0; i < pairings.size(); i++) {
    const Tally& games = tallies[i].games;
    if (games.Games() == 0) continue;
    std::string name = engines[size_t(pairings[i].first)].label + " - " + engines[size_t(pairings[i].second)].label;
    std::string first = Faults(games.lostBy), second = Faults(games.wonBy);
    std::string faults = first.empty() ? "" : "  first: " + first;
    if (!second.empty()) faults += "  second: " + second;
    text += Format("%-*s ", width, name.c_str()) + TallyColumns(tallies[i], model) + faults + "\n";
  }
  return text;
}

std::vector<PairingTally> EngineTotals(size_t engines, const std::vector<Pairing>& pairings,
                                       const std::vector<PairingTally>& tallies) {
  std::vector<PairingTally> totals(engines);
  for (size_t i = 0; i < pairings.size(); i++) {
    totals[size_t(pairings[i].first)].Add(tallies[i]);
    totals[size_t(pairings[i].second)].Add(tallies[i].Reversed());
  }
  return totals;
}

static std::string EngineTable(const std::vector<EngineCommand>& engines, const std::vector<Pairing>& pairings,
                               const std::vector<PairingTally>& tallies, StatsModel model) {
  std::vector<PairingTally> totals = EngineTotals(engines.size(), pairings, tallies);
  int width = int(LabelWidth(engines));
  std::string text = Heading("engine", width) + "  losses by reason\n";
  for (size_t e = 0; e < engines.size(); e++) {
    const Tally& games = totals[e].games;
    if (games.Games() == 0) continue;
    std::string five = Format("five %d", games.lostBy[size_t(EndReason::kFive)]);
    std::string faults = Faults(games.lostBy);
    text += Format("%-*s ", width, engines[e].label.c_str()) + TallyColumns(totals[e], model) + "  " + five +
            (faults.empty() ? "" : ", " + faults) + "\n";
  }
  return text;
}

std::string FormatResults(const std::vector<EngineCommand>& engines, const std::vector<Pairing>& pairings,
                          const std::vector<PairingTally>& tallies, StatsModel model) {
  return PairingTable(engines, pairings, tallies, model) + "\n" + EngineTable(engines, pairings, tallies, model);
}

std::string SprtSummary(const SprtTest& test, StatsModel model, const SprtState& state, const PairingTally& tally) {
  std::string heading = Format("SPRT elo0 %g, elo1 %g, alpha %g, beta %g, %s: ", test.elo0, test.elo1, test.alpha,
                               test.beta, StatsModelName(model));
  double llr = tally.Llr(model, test);
  int games = tally.games.Games();
  if (state.verdict == SprtVerdict::kOpen)
    return heading + Format("no verdict after %d games (LLR %.2f)\n", games, llr);
  const char* verdict = state.verdict == SprtVerdict::kH1 ? "H1 accepted" : "H0 accepted";
  return heading + Format("%s after %d games (LLR %.2f, bounds [%.2f, %.2f]); %d games played, LLR %.2f\n", verdict,
                          state.decidedAt, state.llr, test.LowerBound(), test.UpperBound(), games, llr);
}

}  // namespace tulvo::arena

// The final results as one JSON document.
#include "arena/records/results_document.h"

#include "arena/stats/results_table.h"

namespace tulvo::arena {

namespace {

Json Reasons(const std::array<int, kEndReasons>& byReason) {
  JsonObject reasons;
  for (int r = 0; r < kEndReasons; r++) {
    if (byReason[size_t(r)] > 0) reasons.emplace_back(EndReasonName(EndReason(r)), byReason[size_t(r)]);
  }
  return reasons;
}

// The figures the table shows.
JsonObject Figures(const PairingTally& tally, StatsModel model) {
  const Tally& games = tally.games;
  Estimate figures = tally.Figures(model);
  JsonArray pairs(tally.pairs.counts.begin(), tally.pairs.counts.end());
  return {{"games", games.Games()}, {"wins", games.wins},
          {"draws", games.draws},   {"losses", games.losses},
          {"pairs", pairs},         {"score", games.Games() > 0 ? Json(games.Score() / games.Games()) : Json()},
          {"elo", figures.elo},     {"elo_interval", JsonArray{figures.eloLow, figures.eloHigh}},
          {"nelo", figures.nelo},   {"nelo_interval", JsonArray{figures.neloLow, figures.neloHigh}},
          {"los", figures.los}};
}

Json Sprt(const ResultsSummary& summary) {
  if (!summary.sprt) return Json();
  const SprtTest& test = *summary.sprt;
  const SprtState& state = summary.sprtState;
  const char* verdict = state.verdict == SprtVerdict::kH1 ? "H1" : state.verdict == SprtVerdict::kH0 ? "H0" : "none";
  JsonObject sprt{{"elo0", test.elo0},
                  {"elo1", test.elo1},
                  {"alpha", test.alpha},
                  {"beta", test.beta},
                  {"llr", summary.tallies[0].Llr(summary.model, test)},
                  {"bounds", JsonArray{test.LowerBound(), test.UpperBound()}},
                  {"verdict", verdict},
                  {"decided_after", state.verdict == SprtVerdict::kOpen ? Json() : Json(state.decidedAt)},
                  {"llr_at_verdict", state.verdict == SprtVerdict::kOpen ? Json() : Json(state.llr)}};
  return sprt;
}

}  // namespace

Json ResultsDocument(const ResultsSummary& summary) {
  JsonArray pairings, engines;
  int played = 0;
  for (size_t i = 0; i < summary.pairings.size(); i++) {
    const PairingTally& tally = summary.tallies[i];
    played += tally.games.Games();
    JsonObject entry{{"first", summary.engines[size_t(summary.pairings[i].first)].label},
                     {"second", summary.engines[size_t(summary.pairings[i].second)].label}};
    for (auto& member : Figures(tally, summary.model)) entry.push_back(std::move(member));
    entry.emplace_back("faults",
                       JsonObject{{"first", Reasons(tally.games.lostBy)}, {"second", Reasons(tally.games.wonBy)}});
    pairings.push_back(entry);
  }
  std::vector<PairingTally> totals = EngineTotals(summary.engines.size(), summary.pairings, summary.tallies);
  for (size_t e = 0; e < totals.size(); e++) {
    JsonObject entry{{"engine", summary.engines[e].label}};
    for (auto& member : Figures(totals[e], summary.model)) entry.push_back(std::move(member));
    entry.emplace_back("losses_by_reason", Reasons(totals[e].games.lostBy));
    engines.push_back(entry);
  }
  return JsonObject{{"stats", StatsModelName(summary.model)},
                    {"games", played},
                    {"scheduled", summary.scheduled},
                    {"pairings", pairings},
                    {"engines", engines},
                    {"sprt", Sprt(summary)}};
}

}  // namespace tulvo::arena

// The final results as one JSON document, for scripts.
#pragma once

#include <optional>
#include <vector>

#include "arena/match/engine.h"
#include "arena/match/schedule.h"
#include "arena/records/json.h"
#include "arena/stats/tally.h"

namespace tulvo::arena {

struct ResultsSummary {
  const std::vector<EngineCommand>& engines;
  const std::vector<Pairing>& pairings;
  const std::vector<PairingTally>& tallies;  // per pairing
  StatsModel model;
  const std::optional<SprtTest>& sprt;
  SprtState sprtState;
  int scheduled;  // games in the schedule
};

// For every pairing and engine: games, W, D, L, the pair counts, score, Elo with its
// interval, nElo with its interval, LOS and faults by reason; under an SPRT its
// LLR, bounds and verdict. An infinite Elo is null.
Json ResultsDocument(const ResultsSummary& summary);

}  // namespace tulvo::arena

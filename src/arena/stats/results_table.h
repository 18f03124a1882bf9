// Adding up finished games and printing the results tables.
#pragma once

#include <string>
#include <vector>

#include "arena/match/engine.h"
#include "arena/match/schedule.h"
#include "arena/stats/tally.h"

namespace tulvo::arena {

// Per pairing: games, W/D/L, score, the model's Elo difference with its 95%
// interval, nElo, LOS, the pair counts and the losses that were not fives; then per
// engine: the same against all its opponents and its losses by reason.
std::string FormatResults(const std::vector<EngineCommand>& engines, const std::vector<Pairing>& pairings,
                          const std::vector<PairingTally>& tallies, StatsModel model);

// Each engine's games against all its opponents, from its own side.
std::vector<PairingTally> EngineTotals(size_t engines, const std::vector<Pairing>& pairings,
                                       const std::vector<PairingTally>& tallies);

// The verdict line: the test and its model, the verdict, the games and LLR when it
// was reached, and the games played and LLR in the end.
std::string SprtSummary(const SprtTest& test, StatsModel model, const SprtState& state, const PairingTally& tally);

// "+17", "-inf": Elo as the tables round it.
std::string EloText(double elo);

}  // namespace tulvo::arena

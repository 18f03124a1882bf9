// Running a schedule of games, one after another or several at once.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "arena/match/engine.h"
#include "arena/match/openings.h"
#include "arena/match/referee.h"
#include "arena/match/schedule.h"

namespace tulvo::arena {

// Creates a fresh engine for one game.
using EngineFactory = std::function<std::unique_ptr<Engine>(const EngineCommand&)>;
// Told about each finished game, one call at a time, in the order they finish.
// Returns false to start no further game; the games already under way are finished.
using GameObserver = std::function<bool(const GameJob&, const GameResult&, int finished)>;

struct MatchSetup {
  std::vector<EngineCommand> engines;
  std::vector<Pairing> pairings;
  std::vector<Opening> openings;
  int side;
  int timeLimitMs;
  int threads;  // games played at once
  GameRules rules;
};

// Plays the jobs in order with new engines per game until all are played or the
// observer stops the match; result i belongs to jobs[i], whatever the order in
// which games finish, and is empty for a job never started. An exception from a
// game (a fault of the arena itself) stops the match and is thrown again once the
// games under way have ended.
std::vector<std::optional<GameResult>> RunMatch(const MatchSetup& setup, const std::vector<GameJob>& jobs,
                                                const EngineFactory& factory, const GameObserver& observer);

}  // namespace tulvo::arena

// Checks before the first game that every engine can play at all.
#pragma once

#include <string>
#include <vector>

#include "arena/match/match.h"

namespace tulvo::arena {

// Starts each engine once as a game would, with the game's terms and start-up
// allowance: a file engine is asked for a move on an empty board and must at least
// start; a pipe engine must answer START with OK. "" when all can play, else one
// line naming the first engine that cannot and why.
std::string CheckEngines(const std::vector<EngineCommand>& engines, int side, const GameTerms& terms, int startMs,
                         const EngineFactory& factory);

}  // namespace tulvo::arena

// Game clocks as tournaments write them: MATCH[/TURN][+INC] in seconds.
#pragma once

#include <optional>
#include <string>

namespace tulvo::arena {

// Each engine's clock for one game, in milliseconds; 0 means no such limit.
struct GameClock {
  int matchMs = 0;      // for all of an engine's moves in the game
  int turnMs = 0;       // for one move; 0: the per-move limit of -t
  int incrementMs = 0;  // added to the engine's clock after each of its moves

  // The limit of one move: the clock's own, else -t's.
  int TurnMs(int timeLimitMs) const { return turnMs > 0 ? turnMs : timeLimitMs; }
};

// "300", "300/10", "60+1", "180/5+0.5": seconds, fractions allowed, MATCH above 0.
// nullopt with error set otherwise.
std::optional<GameClock> ParseTimeControl(const std::string& text, std::string& error);

}  // namespace tulvo::arena

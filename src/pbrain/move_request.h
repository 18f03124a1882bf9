// One move request: the game as the engine's position, then the engine's choice
// through its door.
#pragma once

#include <tulvo/engine.h>

#include <cstdint>

#include "pbrain/game_state.h"

namespace tulvo::pbrain {

// The engine's colour for the game: X when the stones on the board (both colours,
// blocked cells not counted) are even in number, else O.
uint8_t EngineColour(const Game& game);
// The game as a position: the board size, stones of both colours, blocked cells
// (which block both players' lines, are not stones and mark no candidates) and the
// engine's colour to move.
tulvo::Position GamePosition(const Game& game);
// The engine's choice with the random source seeded by seed.
tulvo::Choice ChooseGameMove(const Game& game, int level, uint32_t seed);
// The engine's choice seeded from the UTC time of day, as the file program seeds.
tulvo::Choice ChooseGameMoveNow(const Game& game, int level);

}  // namespace tulvo::pbrain

// One move request: the game put into the engine exactly as the file program puts
// a read board, then the engine's own choice.
#pragma once

#include <cstdint>

#include "core_types.h"
#include "pbrain/game_state.h"

// The engine's colour for the game: X when the stones on the board (both colours,
// blocked cells not counted) are even in number, else O.
uint8_t EngineColour(const Game& game);
// Resets the engine and loads the game: level, board size, stones of both colours,
// blocked cells (which block both players' lines, are not stones and mark no
// candidates) and the side to move.
void LoadGame(const Game& game, int level);
// The engine's move with the random source seeded by seed.
Move ChooseGameMove(const Game& game, int level, uint32_t seed);
// The engine's move seeded from the UTC time of day, as the file program seeds.
Move ChooseGameMoveNow(const Game& game, int level);

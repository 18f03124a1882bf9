// The fixed steps of one run of the file program.
#pragma once

#include <cstdint>

#include "core_types.h"

// Clears every subsystem's state to its start-of-run values.
void ResetEngine();
// The in-process equivalent of a run once the position is in place (ResetEngine,
// then ParseBoard or PlaceStone, sideToMove and aiLevel set by the caller):
// prepares the candidates, seeds the random source and chooses the move.
Move ChooseMoveWithSeed(uint32_t seed);
// Seed, level, tables, read, choose, write, exit with code 0. Does not return.
[[noreturn]] void RunProgram();

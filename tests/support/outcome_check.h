// Judges the end of one in-memory run of the file program against what a manager
// may rely on: a known message with tah.dat untouched, or a legal move written.
#pragma once

#include <string>

#include "support/engine_fixture.h"

namespace tulvo::test {

// Reads "x,y" (decimal, no sign, no leading zeros, nothing else); false otherwise.
bool ParseMoveText(const std::string& text, int& x, int& y);

// An empty cell within two cells of a stone, on the board as the state read it.
bool HasEmptyCandidate(const engine::EngineState& s);

// Checks the run of setup against the engine's state after it. Returns an empty
// string when the outcome is allowed, else what is wrong.
std::string FindOutcomeFault(const MemoryRun& run, const ProgramSetup& setup);

}  // namespace tulvo::test

// The fixed steps of one run of the file program.
#pragma once

#include <tulvo/engine.h>

namespace tulvo::file_program {

// Seed, level, read, choose in the storage, write, exit with code 0; a fault leaves
// through FatalExit. Does not return.
[[noreturn]] void RunProgram(EngineStorage& storage);

}  // namespace tulvo::file_program

// The fixed steps of one run of the file program.
#pragma once

#include "driver/engine_state.h"

namespace tulvo::file_program {

// Reset, seed, level, tables, read, choose, write, exit with code 0. Does not return.
[[noreturn]] void RunProgram();

}  // namespace tulvo::file_program

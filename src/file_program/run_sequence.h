// The fixed steps of one run of the file program.
#pragma once

namespace tulvo::file_program {

// Seed, level, read, choose, write, exit with code 0; a fault leaves through
// FatalExit. Does not return.
[[noreturn]] void RunProgram();

}  // namespace tulvo::file_program

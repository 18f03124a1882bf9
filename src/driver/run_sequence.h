// The fixed steps of one run of the file program.
#pragma once

// Clears every subsystem's state to its start-of-run values.
void ResetEngine();
// Seed, level, tables, read, choose, write, exit with code 0. Does not return.
[[noreturn]] void RunProgram();

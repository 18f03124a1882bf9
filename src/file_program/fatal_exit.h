// The one way a run ends early: a message on standard output and exit code 0.
#pragma once

namespace tulvo::file_program {

[[noreturn]] void FatalExit(const char* message);

}  // namespace tulvo::file_program

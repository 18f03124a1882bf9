// Starts a program with its real-time clock frozen: libfaketime preloaded directly,
// with the time in FAKETIME, through scripts/frozen-clock.sh. The library names its
// two files in /dev/shm after the program's process id; the script removes a pair of
// that name that an ended process left before the program starts, and the program's
// own once it has ended. Nothing is shared between processes, so nothing that other
// programs leave in /dev/shm can get in the way.
#pragma once

#include <string>
#include <vector>

namespace tulvo::test {

// Why a frozen-clock test cannot run: libfaketime was not found when the build was
// configured. Empty when it was found.
std::string FrozenClockMissing();

// The words that run a command with the clock frozen at time, a local date and time
// such as "2026-01-01 12:00:00" (milliseconds allowed): /bin/sh running
// scripts/frozen-clock.sh with the library and the time. The command's words follow
// them; the command keeps the standard streams and gives its exit status.
std::vector<std::string> FrozenClockPrefix(const std::string& time);

}  // namespace tulvo::test

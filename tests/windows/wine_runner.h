// Starts the Windows programs through Wine, and any program under a frozen clock.
// scripts/test-windows.sh names what it needs in TULVO_WINDOWS_BIN (the built .exe
// files) and TULVO_WINE (the Wine loader).
#pragma once

#include <string>
#include <vector>

#include "support/program_runner.h"

namespace tulvo::test {

// Runs argv in directory with the clock frozen at frozenAt (a local date and time,
// milliseconds allowed) unless it is empty; ends it after a minute if it hangs.
ProgramRun RunFrozen(const std::string& directory, std::vector<std::string> argv, const std::string& frozenAt,
                     const std::string& input = "");

struct WindowsLaunch {
  std::string built;  // the .exe file's name in the build
  std::string name;   // the name of its copy in the directory
  std::vector<std::string> arguments;
  std::string frozenAt;
  std::string input;
};

// Copies the built program into dir under its launch name and starts it there.
ProgramRun RunWindows(const ScratchDirectory& dir, const WindowsLaunch& launch);

}  // namespace tulvo::test

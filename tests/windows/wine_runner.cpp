// Wine launches and frozen-clock launches built on the fork/exec runner.
#include "windows/wine_runner.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "support/frozen_clock.h"

namespace tulvo::test {

static std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) throw std::runtime_error(std::string(name) + " is not set");
  return value;
}

ProgramRun RunFrozen(const std::string& directory, std::vector<std::string> argv, const std::string& frozenAt,
                     const std::string& input) {
  if (!frozenAt.empty()) {
    if (!FrozenClockMissing().empty()) throw std::runtime_error(FrozenClockMissing());
    std::vector<std::string> prefix = FrozenClockPrefix(frozenAt);
    argv.insert(argv.begin(), prefix.begin(), prefix.end());
  }
  argv.insert(argv.begin(), "60");
  return RunProgramIn(directory, "/usr/bin/timeout", argv, input);
}

ProgramRun RunWindows(const ScratchDirectory& dir, const WindowsLaunch& launch) {
  std::filesystem::copy_file(Setting("TULVO_WINDOWS_BIN") + "/" + launch.built, dir.path() + "/" + launch.name);
  std::vector<std::string> argv = {Setting("TULVO_WINE"), launch.name};
  argv.insert(argv.end(), launch.arguments.begin(), launch.arguments.end());
  return RunFrozen(dir.path(), argv, launch.frozenAt, launch.input);
}

}  // namespace tulvo::test

// Wine launches and frozen-clock launches built on the fork/exec runner.
#include "windows/wine_runner.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

static std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) throw std::runtime_error(std::string(name) + " is not set");
  return value;
}

ProgramRun RunFrozen(const std::string& directory, std::vector<std::string> argv, const std::string& frozenAt,
                     const std::string& input) {
  // The thread-safe variant of the clock library, as Wine is multi-threaded; the
  // programs it starts inherit it.
  if (!frozenAt.empty()) {
    argv.insert(argv.begin(),
                {"/usr/bin/env", "LD_PRELOAD=" + Setting("TULVO_FAKETIME_LIBRARY"), "FAKETIME=" + frozenAt});
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

// The frozen-clock prefix, from the library path CMake found.
#include "support/frozen_clock.h"

namespace tulvo::test {

const std::string kLibrary = TULVO_FAKETIME_LIBRARY;

std::string FrozenClockMissing() {
  if (!kLibrary.empty()) return "";
  return "libfaketime was not found when the build was configured: run scripts/install-deps.sh, then configure again";
}

std::vector<std::string> FrozenClockPrefix(const std::string& time) {
  return {"/bin/sh", TULVO_FROZEN_CLOCK_SCRIPT, kLibrary, time};
}

}  // namespace tulvo::test

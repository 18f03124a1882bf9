// The command line of tulvo-arena.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "arena/engine.h"

namespace tulvo::arena {

struct ArenaOptions {
  std::vector<EngineCommand> engines;
  int games = 2;  // per pairing
  int side = 15;
  int threads = 1;
  int timeLimitMs = 5000;
  bool gauntlet = false;
  std::string openingsFile;  // empty: random openings
  uint64_t seed = 1;
  int openingStones = 4;
  std::string recordsDirectory;  // empty: no records
  bool showBoards = false;
  bool help = false;
};

extern const char* const kArenaUsage;

// The options, or nullopt with error set to a clear message.
std::optional<ArenaOptions> ParseArenaOptions(const std::vector<std::string>& arguments, std::string& error);

}  // namespace tulvo::arena

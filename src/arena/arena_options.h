// The command line of tulvo-arena.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "arena/engine.h"
#include "arena/opening_file.h"
#include "arena/record_formats.h"
#include "arena/referee.h"
#include "arena/sprt.h"

struct ArenaOptions {
  std::vector<EngineCommand> engines;
  int games = 0;  // per pairing; 0 until given, then 2, or with an SPRT kSprtGames
  int side = 15;
  int threads = 1;
  int timeLimitMs = 5000;
  bool gauntlet = false;
  std::string openingsFile;  // empty: random openings
  OpeningFormat openingFormat = OpeningFormat::kAuto;
  bool randomOrder = false;  // openings shuffled by the seed
  bool transform = false;    // each opening also in its rotations and mirrors
  uint64_t seed = 1;
  int openingStones = 4;
  std::string recordsDirectory;  // empty: no records
  RecordFormats recordFormats;
  std::optional<SprtTest> sprt;
  GameRules rules;
  bool showBoards = false;
  bool help = false;
  bool version = false;
};

// The most games an SPRT plays when --games does not say.
constexpr int kSprtGames = 10000;

extern const char* const kArenaUsage;

// The options, or nullopt with error set to a clear message.
std::optional<ArenaOptions> ParseArenaOptions(const std::vector<std::string>& arguments, std::string& error);

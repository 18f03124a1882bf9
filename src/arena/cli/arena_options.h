// The command line of tulvo-arena.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "arena/match/engine.h"
#include "arena/match/opening_file.h"
#include "arena/match/referee.h"
#include "arena/match/shard.h"
#include "arena/records/record_formats.h"
#include "arena/stats/sprt.h"
#include "arena/stats/tally.h"

namespace tulvo::arena {

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
  StatsModel stats = StatsModel::kPentanomial;
  GameRules rules;
  std::string journalFile;  // empty: DIR/journal.jsonl with -r DIR, else none
  std::string resumeFile;   // the journal of the match to go on with
  std::string jsonFile;     // where the final results go as JSON
  std::string shardText;    // --shard as given; ApplyShard makes it the shard
  Shard shard;              // the part of the schedule played: all of it by default
  // The command line as given, its options (each with its value) apart from its
  // engines: what a journal keeps so that the match can go on.
  std::vector<std::string> optionTexts;
  std::vector<std::string> engineTexts;
  bool showBoards = false;
  bool help = false;
  bool version = false;
};

// The most games an SPRT plays when --games does not say.
constexpr int kSprtGames = 10000;

extern const char* const kArenaUsage;

// "1 game", "2 games".
std::string CountOf(long long count, const std::string& noun);

// The first line of the results: board, rule, schedule, openings and clock, such as
// "15x15, free style, 2 games per pairing, random openings of 4 stones, seed 1,
// 5000 ms per move" or, with a game clock, "..., clock 180/5+1".
std::string MatchHeading(const ArenaOptions& options);

// Sets options.shard from --shard; false with error set to one line when it names
// no shard.
bool ApplyShard(ArenaOptions& options, std::string& error);

// The options, or nullopt with error set to a clear message. With --resume, no
// engine is needed: the journal has them.
std::optional<ArenaOptions> ParseArenaOptions(const std::vector<std::string>& arguments, std::string& error);

}  // namespace tulvo::arena

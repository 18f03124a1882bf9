// Entry point of tulvo-arena: plays a match between engines and prints the results.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "arena/cli/arena_options.h"
#include "arena/cli/match_report.h"
#include "arena/engines/engine_command.h"
#include "arena/engines/engine_process.h"
#include "arena/engines/preflight.h"
#include "arena/match/arena_fault.h"
#include "arena/match/match.h"
#include "arena/match/opening_file.h"
#include "arena/records/game_record.h"
#include "arena/stats/results_table.h"
#include "common/exit_status.h"
#include "platform/process_channel.h"

namespace tulvo::arena {

namespace {

std::optional<std::vector<Opening>> ReadOpeningFile(const ArenaOptions& options, std::string& error) {
  std::ifstream in(options.openingsFile, std::ios::binary);
  if (!in) {
    error = "cannot read " + options.openingsFile;
    return std::nullopt;
  }
  std::stringstream text;
  text << in.rdbuf();
  return ParseOpenings(text.str(), options.side, options.openingFormat, error);
}

// The openings of the match, with their variants and in their playing order.
std::optional<std::vector<Opening>> LoadOpenings(const ArenaOptions& options, std::string& error) {
  auto openings = options.openingsFile.empty()
                      ? RandomOpenings((options.games + 1) / 2, options.openingStones, options.side, options.seed)
                      : ReadOpeningFile(options, error);
  if (openings && options.transform) openings = WithTransforms(*openings, options.side);
  if (openings && options.randomOrder) openings = Shuffled(*openings, options.seed);
  return openings;
}

// The last record number among the records folder's files (a device or a folder of a
// record's name is no record); -1 with error set when the folder cannot be read.
// RecordsFolderProblem has made the folder and checked that it takes files.
int PrepareRecordsFolder(const std::string& folder, std::string& error) {
  std::error_code fault;
  std::vector<std::string> names;
  for (std::filesystem::directory_iterator entry(folder, fault), end; !fault && entry != end; entry.increment(fault)) {
    std::error_code kind;
    if (entry->is_regular_file(kind)) names.push_back(entry->path().filename().string());
  }
  if (fault) error = "cannot use " + folder + " for records: " + fault.message();
  return fault ? -1 : LastRecordNumber(names);
}

// A mistake on the command line: the message and the usage text.
int FailUsage(const std::string& message) {
  std::fprintf(stderr, "tulvo-arena: %s\n%s", message.c_str(), kArenaUsage);
  return tulvo::kUsageStatus;
}

// Any other mistake of the user, such as a bad opening file: one line.
int Fail(const std::string& message) {
  std::fprintf(stderr, "tulvo-arena: %s\n", message.c_str());
  return tulvo::kUsageStatus;
}

// One line when --draw-after would end a game before its first move, else "".
std::string DrawAfterProblem(int drawAfter, const std::vector<Opening>& openings) {
  for (size_t i = 0; i < openings.size(); i++) {
    if (drawAfter > 0 && drawAfter <= int(openings[i].size())) {
      return "--draw-after " + std::to_string(drawAfter) + " must be above the opening's length: opening " +
             std::to_string(i + 1) + " has " + CountOf(static_cast<long long>(openings[i].size()), "stone");
    }
  }
  return "";
}

}  // namespace

}  // namespace tulvo::arena

int main(int argc, char** argv) {
  using namespace tulvo::arena;
  std::string error;
  auto options = ParseArenaOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) return FailUsage(error);
  if (options->help || options->version) {
    std::fputs(options->help ? kArenaUsage : "tulvo-arena " TULVO_VERSION "\n", stdout);
    return 0;
  }
  if (std::string problem = InfoForFileEngine(options->engines); !problem.empty()) return Fail(problem);
  auto openings = LoadOpenings(*options, error);
  if (!openings) return Fail(error);
  if (std::string problem = DrawAfterProblem(options->rules.drawAfter, *openings); !problem.empty())
    return Fail(problem);
  int recordsBefore = 0;
  if (!options->recordsDirectory.empty()) {
    if (std::string problem = RecordsFolderProblem(options->recordsDirectory); !problem.empty()) return Fail(problem);
    recordsBefore = PrepareRecordsFolder(options->recordsDirectory, error);
    if (recordsBefore < 0) return Fail(error);
    if (recordsBefore > 0)
      std::fprintf(stderr, "tulvo-arena: %s holds records up to %s; this match's records start at %s\n",
                   options->recordsDirectory.c_str(), RecordFileName(recordsBefore - 1, "*").c_str(),
                   RecordFileName(recordsBefore, "*").c_str());
  }
  tulvo::PrepareChildProcesses();
  int count = int(options->engines.size());
  MatchSetup setup{options->engines,
                   options->gauntlet ? Gauntlet(count) : RoundRobin(count),
                   *openings,
                   options->side,
                   options->timeLimitMs,
                   options->threads,
                   options->rules};
  auto jobs = ScheduleGames(int(setup.pairings.size()), options->games, int(openings->size()));
  Reporter reporter{
      *options, setup, jobs.size(), tulvo::StandardErrorIsTerminal(), std::vector<Tally>(setup.pairings.size()), {}};
  reporter.recordsBefore = recordsBefore;
  std::vector<std::optional<GameResult>> results;
  try {
    const GameRules& rules = setup.rules;
    int turnMs = rules.clock.TurnMs(setup.timeLimitMs);
    std::string problem =
        CheckEngines(setup.engines, setup.side, {turnMs, rules.clock.matchMs, rules.rule}, rules.startMs, LaunchEngine);
    if (!problem.empty()) return Fail(problem);
    results = RunMatch(setup, jobs, LaunchEngine, std::ref(reporter));
  } catch (const ArenaFault& fault) {
    if (reporter.terminal) std::fputs("\n", stderr);
    std::fprintf(stderr, "tulvo-arena: %s; the match is stopped\n", fault.what());
    return 1;
  }
  if (reporter.terminal) std::fputs("\n", stderr);
  std::fputs((MatchHeading(*options) + "\n\n").c_str(), stdout);
  std::fputs(
      FormatResults(setup.engines, setup.pairings, TallyPairings(int(setup.pairings.size()), jobs, results)).c_str(),
      stdout);
  if (options->sprt)
    std::fputs(("\n" + SprtSummary(*options->sprt, reporter.sprt, reporter.tallies[0])).c_str(), stdout);
  return 0;
}

// Entry point of tulvo-arena: plays a match between engines and prints the results.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "arena/arena_fault.h"
#include "arena/arena_options.h"
#include "arena/engine_process.h"
#include "arena/game_record.h"
#include "arena/match.h"
#include "arena/results_table.h"

namespace tulvo::arena {

namespace {

std::optional<std::vector<Opening>> LoadOpenings(const ArenaOptions& options, std::string& error) {
  if (options.openingsFile.empty()) {
    return RandomOpenings((options.games + 1) / 2, options.openingStones, options.side, options.seed);
  }
  std::ifstream in(options.openingsFile, std::ios::binary);
  if (!in) {
    error = "cannot read " + options.openingsFile;
    return std::nullopt;
  }
  std::stringstream text;
  text << in.rdbuf();
  return ParseOpenings(text.str(), options.side, error);
}

// Writes the record and the board of a finished game and updates the progress line.
struct Reporter {
  const ArenaOptions& options;
  const MatchSetup& setup;
  size_t total;
  bool progress;
  std::vector<Tally> tallies;

  void operator()(const GameJob& job, const GameResult& game, int finished) {
    const Pairing& pairing = setup.pairings[size_t(job.pairing)];
    const EngineCommand& first = setup.engines[size_t(pairing.first)];
    const EngineCommand& second = setup.engines[size_t(pairing.second)];
    const EngineCommand& x = job.firstIsX ? first : second;
    const EngineCommand& o = job.firstIsX ? second : first;
    if (!options.recordsDirectory.empty()) {
      std::ofstream(std::filesystem::path(options.recordsDirectory) / RecordFileName(job.number), std::ios::binary)
          << FormatRecord(game, x.label, o.label);
    }
    if (options.showBoards) {
      std::printf("game %d: x %s, o %s: %s\n%s\n", job.number + 1, x.label.c_str(), o.label.c_str(),
                  ResultText(game).c_str(), FormatFinalBoard(game).c_str());
      std::fflush(stdout);
    }
    Tally& tally = tallies[size_t(job.pairing)];
    tally.Record(job.firstIsX, game);
    if (progress) {
      std::fprintf(stderr, "\r\033[K%d/%zu games; last: %s - %s %+d =%d -%d", finished, total, first.label.c_str(),
                   second.label.c_str(), tally.wins, tally.draws, tally.losses);
    }
  }
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "tulvo-arena: %s\n%s", message.c_str(), kArenaUsage);
  return 2;
}

}  // namespace

// The program around its namespace: main only calls this.
int RunArenaProgram(int argc, char** argv) {
  std::string error;
  auto options = ParseArenaOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) return Fail(error);
  if (options->help) {
    std::fputs(kArenaUsage, stdout);
    return 0;
  }
  auto openings = LoadOpenings(*options, error);
  if (!openings) return Fail(error);
  std::error_code made;
  if (!options->recordsDirectory.empty() && !std::filesystem::create_directories(options->recordsDirectory, made) &&
      made) {
    return Fail("cannot create " + options->recordsDirectory + ": " + made.message());
  }
  PrepareEngineProcesses();
  int count = int(options->engines.size());
  MatchSetup setup{options->engines,
                   options->gauntlet ? Gauntlet(count) : RoundRobin(count),
                   *openings,
                   options->side,
                   options->timeLimitMs,
                   options->threads};
  auto jobs = ScheduleGames(int(setup.pairings.size()), options->games, int(openings->size()));
  Reporter reporter{*options, setup, jobs.size(), StandardErrorIsTerminal(), std::vector<Tally>(setup.pairings.size())};
  std::vector<GameResult> results;
  try {
    results = RunMatch(setup, jobs, LaunchEngine, std::ref(reporter));
  } catch (const ArenaFault& fault) {
    if (reporter.progress) std::fputs("\n", stderr);
    std::fprintf(stderr, "tulvo-arena: %s; the match is stopped\n", fault.what());
    return 1;
  }
  if (reporter.progress) std::fputs("\n", stderr);
  std::printf("%dx%d, %d games per pairing, %s\n\n", options->side, options->side, options->games,
              options->openingsFile.empty() ? ("random openings of " + std::to_string(options->openingStones) +
                                               " stones, seed " + std::to_string(options->seed))
                                                  .c_str()
                                            : ("openings from " + options->openingsFile).c_str());
  std::fputs(
      FormatResults(setup.engines, setup.pairings, TallyPairings(int(setup.pairings.size()), jobs, results)).c_str(),
      stdout);
  return 0;
}

}  // namespace tulvo::arena

int main(int argc, char** argv) { return tulvo::arena::RunArenaProgram(argc, argv); }

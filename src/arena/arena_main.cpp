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
#include "arena/opening_file.h"
#include "arena/preflight.h"
#include "arena/record_formats.h"
#include "arena/results_table.h"
#include "arena/sprt.h"

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

void WriteRecords(const ArenaOptions& options, int number, const GameResult& game, const std::string& x,
                  const std::string& o) {
  std::filesystem::path directory(options.recordsDirectory);
  const RecordFormats& formats = options.recordFormats;
  if (formats.text) std::ofstream(directory / RecordFileName(number), std::ios::binary) << FormatRecord(game, x, o);
  if (formats.psq) std::ofstream(directory / RecordFileName(number, "psq"), std::ios::binary) << FormatPsq(game, x, o);
  if (formats.sgf) std::ofstream(directory / RecordFileName(number, "sgf"), std::ios::binary) << FormatSgf(game, x, o);
}

// Where a sequential test stands: its verdict, and when and where it was reached.
struct SprtState {
  SprtVerdict verdict = SprtVerdict::kOpen;
  int decidedAt = 0;  // games played when a bound was crossed
  double llr = 0;
};

// Writes the records and the board of a finished game, updates the progress line
// and, under an SPRT, stops the match once a bound is crossed.
struct Reporter {
  const ArenaOptions& options;
  const MatchSetup& setup;
  size_t total;
  bool terminal;
  std::vector<Tally> tallies;
  SprtState sprt;

  bool operator()(const GameJob& job, const GameResult& game, int finished) {
    const Pairing& pairing = setup.pairings[size_t(job.pairing)];
    const EngineCommand& first = setup.engines[size_t(pairing.first)];
    const EngineCommand& second = setup.engines[size_t(pairing.second)];
    const EngineCommand& x = job.firstIsX ? first : second;
    const EngineCommand& o = job.firstIsX ? second : first;
    if (!options.recordsDirectory.empty()) WriteRecords(options, job.number, game, x.label, o.label);
    if (options.showBoards) {
      std::printf("game %d: x %s, o %s: %s\n%s\n", job.number + 1, x.label.c_str(), o.label.c_str(),
                  ResultText(game).c_str(), FormatFinalBoard(game).c_str());
      std::fflush(stdout);
    }
    Tally& tally = tallies[size_t(job.pairing)];
    tally.Record(job.firstIsX, game);
    std::string line = std::to_string(finished) + "/" + std::to_string(total) + " games; last: " + first.label + " - " +
                       second.label + " +" + std::to_string(tally.wins) + " =" + std::to_string(tally.draws) + " -" +
                       std::to_string(tally.losses);
    if (options.sprt) line += Judge(*options.sprt, tally, finished);
    if (terminal) std::fprintf(stderr, "\r\033[K%s", line.c_str());
    if (!terminal && options.sprt) std::fprintf(stderr, "%s\n", line.c_str());
    return sprt.verdict == SprtVerdict::kOpen;
  }

  // Updates the test after a game; the LLR and its bounds for the progress line.
  std::string Judge(const SprtTest& test, const Tally& tally, int finished) {
    double llr = SprtLlr(test, tally.wins, tally.draws, tally.losses);
    if (sprt.verdict == SprtVerdict::kOpen) {
      sprt = {Verdict(test, llr), finished, llr};
    }
    char text[96];
    std::snprintf(text, sizeof text, "; LLR %.2f [%.2f, %.2f]", llr, test.LowerBound(), test.UpperBound());
    return text;
  }
};

std::string SprtSummary(const SprtTest& test, const SprtState& state, const Tally& tally) {
  char text[256];
  const char* verdict = state.verdict == SprtVerdict::kH1 ? "H1 accepted" : "H0 accepted";
  double llr = SprtLlr(test, tally.wins, tally.draws, tally.losses);
  if (state.verdict == SprtVerdict::kOpen) {
    std::snprintf(text, sizeof text, "SPRT elo0 %g, elo1 %g, alpha %g, beta %g: no verdict after %d games (LLR %.2f)\n",
                  test.elo0, test.elo1, test.alpha, test.beta, tally.Games(), llr);
  } else {
    std::snprintf(text, sizeof text,
                  "SPRT elo0 %g, elo1 %g, alpha %g, beta %g: %s after %d games (LLR %.2f, bounds [%.2f, %.2f]); "
                  "%d games played, LLR %.2f\n",
                  test.elo0, test.elo1, test.alpha, test.beta, verdict, state.decidedAt, state.llr, test.LowerBound(),
                  test.UpperBound(), tally.Games(), llr);
  }
  return text;
}

// A mistake on the command line: the message and the usage text.
int FailUsage(const std::string& message) {
  std::fprintf(stderr, "tulvo-arena: %s\n%s", message.c_str(), kArenaUsage);
  return 2;
}

// Any other mistake of the user, such as a bad opening file: one line.
int Fail(const std::string& message) {
  std::fprintf(stderr, "tulvo-arena: %s\n", message.c_str());
  return 2;
}

std::string Heading(const ArenaOptions& options) {
  std::string openings = options.openingsFile.empty() ? "random openings of " + std::to_string(options.openingStones) +
                                                            " stones, seed " + std::to_string(options.seed)
                                                      : "openings from " + options.openingsFile;
  std::string side = std::to_string(options.side);
  return side + "x" + side + ", " + std::to_string(options.games) + " games per pairing, " + openings + "\n\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  auto options = ParseArenaOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) return FailUsage(error);
  if (options->help || options->version) {
    std::fputs(options->help ? kArenaUsage : "tulvo-arena " TULVO_VERSION "\n", stdout);
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
                   options->threads,
                   options->rules};
  auto jobs = ScheduleGames(int(setup.pairings.size()), options->games, int(openings->size()));
  Reporter reporter{*options, setup, jobs.size(), StandardErrorIsTerminal(), std::vector<Tally>(setup.pairings.size()),
                    {}};
  std::vector<std::optional<GameResult>> results;
  try {
    int turnMs = setup.rules.clock.turnMs > 0 ? setup.rules.clock.turnMs : setup.timeLimitMs;
    std::string problem = CheckEngines(setup.engines, setup.side, turnMs, LaunchEngine);
    if (!problem.empty()) return Fail(problem);
    results = RunMatch(setup, jobs, LaunchEngine, std::ref(reporter));
  } catch (const ArenaFault& fault) {
    if (reporter.terminal) std::fputs("\n", stderr);
    std::fprintf(stderr, "tulvo-arena: %s; the match is stopped\n", fault.what());
    return 1;
  }
  if (reporter.terminal) std::fputs("\n", stderr);
  std::fputs(Heading(*options).c_str(), stdout);
  std::fputs(
      FormatResults(setup.engines, setup.pairings, TallyPairings(int(setup.pairings.size()), jobs, results)).c_str(),
      stdout);
  if (options->sprt)
    std::fputs(("\n" + SprtSummary(*options->sprt, reporter.sprt, reporter.tallies[0])).c_str(), stdout);
  return 0;
}

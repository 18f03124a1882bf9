// What the arena does with each finished game: records, boards, the progress line
// and the SPRT that may stop the match.
#include "arena/cli/match_report.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "arena/match/arena_fault.h"
#include "arena/records/game_record.h"
#include "arena/records/record_formats.h"

namespace tulvo::arena {

// A record that cannot be written is the arena's fault: it stops the match.
static void WriteRecord(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) throw ArenaFault("cannot write the record " + path.string());
}

static void WriteRecords(const ArenaOptions& options, int number, const GameResult& game, const std::string& x,
                         const std::string& o) {
  std::filesystem::path directory(options.recordsDirectory);
  const RecordFormats& formats = options.recordFormats;
  if (formats.text) WriteRecord(directory / RecordFileName(number), FormatRecord(game, x, o));
  if (formats.psq) WriteRecord(directory / RecordFileName(number, "psq"), FormatPsq(game, x, o));
  if (formats.sgf) WriteRecord(directory / RecordFileName(number, "sgf"), FormatSgf(game, x, o));
}

std::string RecordsFolderProblem(const std::string& folder) {
  std::error_code made;
  if (!std::filesystem::create_directories(folder, made) && made)
    return "cannot create the records folder " + folder + ": " + made.message();
  std::filesystem::path probe = std::filesystem::path(folder) / ".tulvo-arena-write-check";
  std::ofstream out(probe, std::ios::binary | std::ios::trunc);
  out << "records\n";
  out.close();
  bool written = bool(out);
  std::error_code ignored;
  std::filesystem::remove(probe, ignored);
  return written ? "" : "cannot write into the records folder " + folder;
}

bool Reporter::operator()(const GameJob& job, const GameResult& game, int finished) {
  const Pairing& pairing = setup.pairings[size_t(job.pairing)];
  const EngineCommand& first = setup.engines[size_t(pairing.first)];
  const EngineCommand& second = setup.engines[size_t(pairing.second)];
  const EngineCommand& x = job.firstIsX ? first : second;
  const EngineCommand& o = job.firstIsX ? second : first;
  if (!options.recordsDirectory.empty()) WriteRecords(options, recordsBefore + job.number, game, x.label, o.label);
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
std::string Reporter::Judge(const SprtTest& test, const Tally& tally, int finished) {
  double llr = SprtLlr(test, tally.wins, tally.draws, tally.losses);
  if (sprt.verdict == SprtVerdict::kOpen) {
    sprt = {Verdict(test, llr), finished, llr};
  }
  char text[96];
  std::snprintf(text, sizeof text, "; LLR %.2f [%.2f, %.2f]", llr, test.LowerBound(), test.UpperBound());
  return text;
}

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

}  // namespace tulvo::arena

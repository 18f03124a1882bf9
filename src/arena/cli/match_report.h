// What the arena does with each finished game: records, boards, the progress line
// and the SPRT that may stop the match.
#pragma once

#include <string>
#include <vector>

#include "arena/cli/arena_options.h"
#include "arena/match/match.h"
#include "arena/stats/results_table.h"
#include "arena/stats/sprt.h"

namespace tulvo::arena {

// "" when the records folder exists or can be made and a file can be written into
// it; otherwise one line saying why not.
std::string RecordsFolderProblem(const std::string& folder);

// Where a sequential test stands: its verdict, and when and where it was reached.
struct SprtState {
  SprtVerdict verdict = SprtVerdict::kOpen;
  int decidedAt = 0;  // games played when a bound was crossed
  double llr = 0;
};

// Writes the records and the board of a finished game, updates the progress line
// (in place on a terminal; under an SPRT otherwise one line per game) and, under an
// SPRT, stops the match once a bound is crossed. Used as the match's GameObserver.
// A record that cannot be written throws ArenaFault, naming the file.
struct Reporter {
  const ArenaOptions& options;
  const MatchSetup& setup;
  size_t total;
  bool terminal;
  std::vector<Tally> tallies;
  SprtState sprt;
  int recordsBefore = 0;  // the last record number already in the records folder

  bool operator()(const GameJob& job, const GameResult& game, int finished);

 private:
  std::string Judge(const SprtTest& test, const Tally& tally, int finished);
};

// The verdict line: the test, the verdict, the games and LLR when it was reached,
// and the games played and LLR in the end.
std::string SprtSummary(const SprtTest& test, const SprtState& state, const Tally& tally);

}  // namespace tulvo::arena

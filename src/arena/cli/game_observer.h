// What the arena does with each finished game: writes its records and its journal
// line, shows its board, counts it, draws the progress line, and asks the SPRT
// and any stop request whether another game may start.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "arena/cli/arena_options.h"
#include "arena/match/match.h"
#include "arena/records/journal.h"
#include "arena/stats/tally.h"
#include "platform/durable_file.h"

namespace tulvo::arena {

// The games of the match so far, those of earlier runs included.
struct MatchState {
  std::vector<PairingTally> tallies;  // per pairing
  SprtState sprt;
  int played = 0;                  // games counted
  int total = 0;                   // games in the schedule
  long long msPlayed = 0;          // the wall time of the games counted
  std::vector<JournalGame> games;  // in the order they were counted

  // Counts a game and, under an SPRT, judges it; the LLR then.
  std::optional<double> Count(const ArenaOptions& options, const JournalGame& game);
  bool Decided() const { return sprt.verdict != SprtVerdict::kOpen; }
};

// Used as the match's GameObserver (through std::ref). Once a stop is requested it
// counts nothing more: a game that ends then was ended by the stop. A record or
// journal line that cannot be written throws ArenaFault, naming the file.
class GameHandler {
 public:
  GameHandler(const ArenaOptions& options, const MatchSetup& setup, MatchState& state, AppendFile* journal,
              std::string journalPath, int recordsBefore, bool terminal);

  bool operator()(const GameJob& job, const GameResult& game, int finished);

 private:
  JournalGame Journalled(const GameJob& job, const GameResult& game) const;
  void ShowProgress(const JournalGame& game, std::optional<double> llr) const;

  const ArenaOptions& options_;
  const MatchSetup& setup_;
  MatchState& state_;
  AppendFile* journal_;  // nullptr: no journal
  std::string journalPath_;
  int recordsBefore_;
  bool terminal_;
  int timed_ = 0;  // games of this run, whose times estimate the time left
  long long msThisRun_ = 0;
};

}  // namespace tulvo::arena

// A match from its plan to its results: the games its journal lacks are played,
// each one journalled, until the schedule is done, the SPRT decides, or a stop is
// requested; then the results of all its games are printed.
#pragma once

#include <string>
#include <vector>

#include "arena/cli/arena_options.h"
#include "arena/cli/game_observer.h"
#include "arena/match/match.h"
#include "arena/records/journal.h"

namespace tulvo::arena {

struct MatchPlan {
  ArenaOptions options;
  std::vector<Opening> openings;
  JournalHead head;
  Journal earlier;            // the journal so far; no games for a new match
  std::string journalPath;    // "" when no journal is kept
  bool newJournal = true;     // the head is still to be written
  std::string resumeCommand;  // what the user runs to go on
};

// The engines, pairings and openings of the options.
MatchSetup SetupOf(const ArenaOptions& options, const std::vector<Opening>& openings);

// The state of the match after the journal's games, in the order they finished.
MatchState ReplayJournal(const ArenaOptions& options, const MatchSetup& setup, const JournalHead& head,
                         const std::vector<JournalGame>& games);

// The heading, the tables and, under an SPRT, the verdict line.
std::string ResultsText(const ArenaOptions& options, const MatchSetup& setup, const MatchState& state);

// Writes the results to options.jsonFile, when one is given; "" or why it cannot.
std::string WriteJsonResults(const ArenaOptions& options, const MatchSetup& setup, const MatchState& state);

// Plays the plan; the exit status: 0, 1 (a fault of the arena), 2 (an engine that
// cannot play, a journal that cannot be written) or 128 + the stop's signal.
int PlayMatch(MatchPlan& plan);

}  // namespace tulvo::arena

// What a journal's first line says about a match: the settings that change what is
// played, which its fingerprint covers, and how it is played.
#pragma once

#include <string>
#include <vector>

#include "arena/cli/arena_options.h"
#include "arena/match/openings.h"
#include "arena/records/journal.h"

namespace tulvo::arena {

// Engines (commands, labels, INFO settings), the tournament, games per pairing,
// board, rule, clocks and limits, the openings as played and how they were made,
// the statistics model and the SPRT.
Json MatchSettings(const ArenaOptions& options, const std::vector<Opening>& openings);

// The journal's head for a new match run from directory, whose records (if any)
// start after recordsBefore.
JournalHead NewJournalHead(const ArenaOptions& options, const std::vector<Opening>& openings,
                           const std::string& directory, int recordsBefore);

// The number of records in the folder before the match's first, from the head.
int RecordsBefore(const JournalHead& head);

// "" when the settings agree, else what differs first: "-n (games) is 20 in the
// journal and 30 here", "the engines differ: ...".
std::string SettingsDifference(const Json& journal, const Json& here);

}  // namespace tulvo::arena

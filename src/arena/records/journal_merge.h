// Journals of the shards of one match, combined into the journal of that match.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/match/shard.h"
#include "arena/records/journal.h"

namespace tulvo::arena {

// A journal as read from its file.
struct JournalFile {
  std::string path;
  Journal journal;
};

// The shard a journal's first line names: 1/1 (the whole match) when it names none;
// nullopt when what it names is no shard.
std::optional<Shard> JournalShard(const JournalHead& head);
// The value a journal's first line holds for a shard: null for the whole match.
Json ShardValue(Shard shard);

// What the shards' journals hold together.
struct MergedJournals {
  // The whole match's head, every game of every journal (taken in turn, one from each
  // journal, in the order each holds them, as the shards played them side by side),
  // and complete once every shard's journal is.
  Journal journal;
  int shards = 1;                  // the match is cut into this many
  std::vector<int> present;        // the shards that have a journal, in order
  int missingGames = 0;            // games of the schedule in no journal
  std::vector<int> shardsMissing;  // the shards those games belong to, in order
};

// The journals combined, or nullopt with error set to one line: journals of
// different matches (their fingerprints differ), of different cuts of one match, one
// shard twice, or a game in two journals are refused, naming the files.
std::optional<MergedJournals> MergeJournals(const std::vector<JournalFile>& files, std::string& error);

// "" when no game of the schedule is missing, else such as "12 of the schedule's 40
// games are missing: they belong to shards 2 and 4 of 4".
std::string MissingGamesLine(const MergedJournals& merged);

}  // namespace tulvo::arena

// tulvo-arena merge: the journals of a match's shards as the results of one match,
// once, or followed as they grow until the SPRT decides or every shard is complete.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "arena/cli/arena_options.h"
#include "arena/cli/game_observer.h"
#include "arena/match/match.h"
#include "arena/records/journal_merge.h"

namespace tulvo::arena {

// merge [--follow] [--interval SECONDS] [--json FILE] [--stats MODEL] JOURNAL...
struct MergeRequest {
  std::vector<std::string> journals;
  std::vector<std::string> given;  // --stats, applied to the match's own options
  std::string jsonFile;            // where the results go as JSON; none when empty
  bool follow = false;
  int intervalMs = 3000;  // between looks at the journals when following
};

std::optional<MergeRequest> ParseMergeRequest(const std::vector<std::string>& arguments, std::string& error);

// The journals' games counted as one match's.
struct MergedMatch {
  ArenaOptions options;  // the match's, as its journals keep them, for the whole match
  MatchSetup setup;
  MatchState state;
  MergedJournals merged;
};

// Reads and merges the journals; nullopt with error set to one line when one cannot
// be read or is refused. When following, a journal that is missing or has no whole
// line yet is passed over (a shard that has not started), and with none there yet
// the answer is nullopt with no error.
std::optional<MergedMatch> LoadMergedMatch(const MergeRequest& request, std::string& error);

// The results of one match, then the line on missing games, if any.
std::string MergedResultsText(const MergedMatch& match);

// Looks at the journals every request.intervalMs (waiting with pause in between)
// and prints, whenever they hold more games, the running table or under an SPRT
// the running LLR; returns once the merged games decide the SPRT or every journal
// is there and complete. nullopt with error set when a journal is refused.
std::optional<MergedMatch> FollowJournals(const MergeRequest& request, const std::function<void(int)>& pause,
                                          const std::function<void(const std::string&)>& print, std::string& error);

// The command: prints the results (and writes --json); the exit status.
int Merge(const std::vector<std::string>& arguments);

}  // namespace tulvo::arena

// One shard of a match: the game pairs that one of several machines plays.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/match/schedule.h"

namespace tulvo::arena {

// Shard index of count, both from 1: the pairs whose pair index p has
// p mod count = index - 1. The whole match is shard 1/1.
struct Shard {
  int index = 1;
  int count = 1;

  bool Whole() const { return count == 1; }
  std::string Name() const;  // "2/4"
  bool operator==(const Shard&) const = default;
};

// "K/N" with 1 <= K <= N; nullopt with error set to one line otherwise.
std::optional<Shard> ParseShard(const std::string& text, std::string& error);

// The shard of that many that plays a job: its pair's.
int ShardOf(const GameJob& job, int shards);

// The jobs of the schedule that the shard plays, in schedule order, their numbers
// those of the whole match.
std::vector<GameJob> ShardJobs(const std::vector<GameJob>& jobs, Shard shard);

}  // namespace tulvo::arena

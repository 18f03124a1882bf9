// One shard of a match: the game pairs that one of several machines plays.
#include "arena/match/shard.h"

#include "common/parse_number.h"

namespace tulvo::arena {

// The most shards a match may be cut into.
constexpr int kMostShards = 100000;

std::string Shard::Name() const { return std::to_string(index) + "/" + std::to_string(count); }

std::optional<Shard> ParseShard(const std::string& text, std::string& error) {
  size_t slash = text.find('/');
  auto index = text::ParseInteger(text.substr(0, slash), INT32_MIN, INT32_MAX);
  auto count = slash == std::string::npos ? std::nullopt : text::ParseInteger(text.substr(slash + 1), 1, kMostShards);
  if (!index || !count) {
    error = "--shard does not accept '" + text + "': it takes K/N, shard K of N, with N from 1 to " +
            std::to_string(kMostShards);
    return std::nullopt;
  }
  if (*index < 1 || *index > *count) {
    error = "--shard " + text + " is outside the match: K must be from 1 to " + std::to_string(*count);
    return std::nullopt;
  }
  return Shard{int(*index), int(*count)};
}

int ShardOf(const GameJob& job, int shards) { return job.pair % shards + 1; }

std::vector<GameJob> ShardJobs(const std::vector<GameJob>& jobs, Shard shard) {
  std::vector<GameJob> played;
  for (const GameJob& job : jobs) {
    if (ShardOf(job, shard.count) == shard.index) played.push_back(job);
  }
  return played;
}

}  // namespace tulvo::arena

// Shards of a match: which game pairs each one plays, and the --shard value.
#include "arena/match/shard.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace tulvo::arena;

namespace {

TEST(Shard, ShardsSplitTheScheduleIntoDisjointWholePairs) {
  for (int pairings : {1, 3}) {
    for (int games : {7, 8}) {  // an odd -n leaves each pairing's last game alone
      auto jobs = ScheduleGames(pairings, games, 3);
      for (int count = 1; count <= 5; count++) {
        SCOPED_TRACE(std::to_string(pairings) + " pairings, -n " + std::to_string(games) + ", " +
                     std::to_string(count) + " shards");
        std::map<int, int> shardOfGame;
        for (int index = 1; index <= count; index++) {
          for (const GameJob& job : ShardJobs(jobs, {index, count})) {
            EXPECT_TRUE(shardOfGame.emplace(job.number, index).second) << "game " << job.number << " twice";
            EXPECT_EQ(jobs[size_t(job.number)].opening, job.opening);  // the whole match's schedule
            EXPECT_EQ(jobs[size_t(job.number)].firstIsX, job.firstIsX);
          }
        }
        EXPECT_EQ(shardOfGame.size(), jobs.size());
        // A pair is the two games of a pairing that share an opening, one in each colour.
        std::map<std::pair<int, int>, std::set<int>> shardsOfPair;
        for (const GameJob& job : jobs)
          shardsOfPair[{job.pairing, job.number / pairings / 2}].insert(shardOfGame[job.number]);
        for (const auto& [pair, shards] : shardsOfPair) EXPECT_EQ(shards.size(), 1u) << "pair split";
        EXPECT_EQ(shardsOfPair.size(), size_t(pairings * ((games + 1) / 2)));
      }
    }
  }
}

TEST(Shard, PairsAreDealtInTurnInScheduleOrder) {
  // Two pairings, 6 games each: pairs 0..5 start in the order (pairing 0, 1) for games
  // 0-1, then 2-3, then 4-5.
  auto jobs = ScheduleGames(2, 6, 1);
  std::vector<int> numbers;
  for (const GameJob& job : ShardJobs(jobs, {2, 3})) numbers.push_back(job.number);
  // Pair 1 (pairing 1, games 0-1: numbers 1, 3) and pair 4 (pairing 0, games 4-5: 8, 10).
  EXPECT_EQ(numbers, (std::vector<int>{1, 3, 8, 10}));
}

TEST(Shard, ParsesKOfNAndRefusesTheRest) {
  struct Case {
    const char* text;
    bool valid;
    const char* error;  // a part of the message
  };
  const Case cases[] = {{"1/1", true, ""},
                        {"3/4", true, ""},
                        {"4/4", true, ""},
                        {"0/4", false, "outside the match: K must be from 1 to 4"},
                        {"5/4", false, "from 1 to 4"},
                        {"-1/2", false, "outside"},
                        {"1/0", false, "takes K/N"},
                        {"2", false, "takes K/N"},
                        {"a/b", false, "takes K/N"},
                        {"1/2/3", false, "takes K/N"},
                        {"", false, "takes K/N"}};
  for (const Case& c : cases) {
    std::string error;
    auto shard = ParseShard(c.text, error);
    EXPECT_EQ(shard.has_value(), c.valid) << c.text;
    if (!c.valid) {
      EXPECT_NE(error.find(c.error), std::string::npos) << c.text << ": " << error;
    }
  }
  std::string error;
  EXPECT_EQ(ParseShard("3/4", error), (Shard{3, 4}));
  EXPECT_EQ(ParseShard("3/4", error)->Name(), "3/4");
}

}  // namespace

// Pairings, the game schedule, and running it serially or in parallel.
#include "arena/match/match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <set>

#include "arena/match/arena_fault.h"
#include "arena/scripted_engine.h"
#include "arena/stats/tally.h"

using namespace tulvo::arena;

namespace {

TEST(Schedule, RoundRobinMeetsEveryPairOnceAndGauntletOnlyTheFirst) {
  auto robin = RoundRobin(7);
  EXPECT_EQ(robin.size(), 21u);
  std::set<std::pair<int, int>> met;
  for (Pairing p : robin) {
    EXPECT_LT(p.first, p.second);
    met.insert({p.first, p.second});
  }
  EXPECT_EQ(met.size(), 21u);
  auto gauntlet = Gauntlet(4);
  ASSERT_EQ(gauntlet.size(), 3u);
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(gauntlet[size_t(i)].first, 0);
    EXPECT_EQ(gauntlet[size_t(i)].second, i + 1);
  }
  EXPECT_TRUE(RoundRobin(1).empty());
}

TEST(Schedule, EachOpeningIsPlayedOnceInEachColour) {
  auto jobs = ScheduleGames(3, 7, 2);
  ASSERT_EQ(jobs.size(), 21u);
  std::map<int, std::vector<GameJob>> byPairing;
  for (size_t i = 0; i < jobs.size(); i++) {
    EXPECT_EQ(jobs[i].number, int(i));
    byPairing[jobs[i].pairing].push_back(jobs[i]);
  }
  for (auto& [pairing, games] : byPairing) {
    ASSERT_EQ(games.size(), 7u);
    const int openings[] = {0, 0, 1, 1, 0, 0, 1};  // two openings, wrapping around
    for (size_t g = 0; g < games.size(); g++) {
      EXPECT_EQ(games[g].firstIsX, g % 2 == 0) << pairing << " game " << g;
      EXPECT_EQ(games[g].opening, openings[g]) << pairing << " game " << g;
    }
  }
  EXPECT_EQ(jobs[0].pairing, 0);
  EXPECT_EQ(jobs[1].pairing, 1) << "game 0 of every pairing comes first";
}

// Three scanning engines: the two scan orders, and one that misbehaves.
MatchSetup ThreeEngines(int threads) {
  std::vector<EngineCommand> engines = {{Protocol::kFile, {"rows"}, "rows"},
                                        {Protocol::kFile, {"columns"}, "columns"},
                                        {Protocol::kFile, {"bad"}, "bad"}};
  return {engines, RoundRobin(3), RandomOpenings(5, 3, 15, 11), 15, 100, threads, {}};
}

std::unique_ptr<Engine> MakeEngine(const EngineCommand& command) {
  if (command.label == "bad")
    return std::make_unique<ScriptedEngine>(std::vector<EngineReply>{{ReplyStatus::kTimedOut, "", 0}});
  return std::make_unique<ScanningEngine>(command.label == "rows");
}

std::vector<std::optional<GameResult>> PlayAll(int threads, std::vector<int>& finishedCounts, int stopAfter = 0) {
  MatchSetup setup = ThreeEngines(threads);
  auto jobs = ScheduleGames(3, 10, 5);
  return RunMatch(setup, jobs, MakeEngine, [&](const GameJob&, const GameResult&, int finished) {
    finishedCounts.push_back(finished);
    return finished != stopAfter;
  });
}

TEST(RunMatch, ParallelGamesGiveTheSameResultsAsSerialOnes) {
  std::vector<int> serialCounts, parallelCounts;
  auto serial = PlayAll(1, serialCounts);
  auto parallel = PlayAll(4, parallelCounts);
  ASSERT_EQ(serial.size(), 30u);
  ASSERT_EQ(parallel.size(), 30u);
  for (size_t i = 0; i < serial.size(); i++) {
    ASSERT_TRUE(serial[i] && parallel[i]) << i;
    EXPECT_EQ(serial[i]->outcome, parallel[i]->outcome) << i;
    EXPECT_EQ(serial[i]->reason, parallel[i]->reason) << i;
    EXPECT_EQ(serial[i]->board.Rows(), parallel[i]->board.Rows()) << i;
  }
  std::vector<int> expected(30);
  for (int i = 0; i < 30; i++) expected[size_t(i)] = i + 1;
  EXPECT_EQ(serialCounts, expected);
  EXPECT_EQ(parallelCounts, expected) << "the observer sees one game at a time";
  auto jobs = ScheduleGames(3, 10, 5);
  auto tallies = TallyPairings(3, jobs, serial);
  EXPECT_EQ(tallies[1].games.wins, 10) << "rows - bad: bad times out in every game";
  EXPECT_EQ(tallies[1].games.wonBy[size_t(EndReason::kTimeout)], 10);
  EXPECT_EQ(tallies[0].games.Games(), 10);
}

// A fault of the arena in one game stops the match, serial or parallel, and comes
// out of RunMatch after the games under way have ended.
TEST(RunMatch, AnArenaFaultStopsTheMatch) {
  for (int threads : {1, 3}) {
    std::atomic<int> made{0};
    auto factory = [&](const EngineCommand& command) -> std::unique_ptr<Engine> {
      if (++made > 8) throw ArenaFault("cannot create a scratch folder");
      return MakeEngine(command);
    };
    int reported = 0;
    MatchSetup setup = ThreeEngines(threads);
    auto jobs = ScheduleGames(3, 10, 5);
    EXPECT_THROW(RunMatch(setup, jobs, factory, [&](const GameJob&, const GameResult&, int) { return ++reported > 0; }),
                 ArenaFault);
    EXPECT_GE(reported, 4 - threads) << threads << " threads";
    EXPECT_LT(reported, 5) << threads << " threads: no game starts after the fault";
  }
}

// Stopping starts no new game but finishes and reports those under way: with four
// at once, the games after the stop are at most the three others in flight.
TEST(RunMatch, AStoppedMatchFinishesTheGamesUnderWay) {
  for (int threads : {1, 4}) {
    std::vector<int> counts;
    auto results = PlayAll(threads, counts, 7);
    size_t played = size_t(std::count_if(results.begin(), results.end(), [](const auto& r) { return r.has_value(); }));
    EXPECT_EQ(played, counts.size()) << "every game played is reported";
    EXPECT_GE(counts.size(), 7u);
    EXPECT_LE(counts.size(), threads == 1 ? 7u : 10u);
    for (size_t i = 0; i < played; i++) EXPECT_TRUE(results[i]) << "games start in schedule order: " << i;
    auto tallies = TallyPairings(3, ScheduleGames(3, 10, 5), results);
    EXPECT_EQ(size_t(tallies[0].games.Games() + tallies[1].games.Games() + tallies[2].games.Games()), played);
  }
}

}  // namespace

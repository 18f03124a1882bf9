// Elo estimates, tallies, the results table and game records.
#include <gtest/gtest.h>

#include <cmath>

#include "arena/records/game_record.h"
#include "arena/scripted_engine.h"
#include "arena/stats/results_table.h"
#include "arena/stats/trinomial.h"

using namespace tulvo::arena;

namespace {

// The trinomial model's Elo, from the counts as they are.
Estimate EstimateElo(int wins, int draws, int losses) {
  return EstimateOf(TrinomialSample(wins, draws, losses, false), 1);
}

TEST(EstimateElo, MatchesTheLogisticModelWithA95PercentInterval) {
  struct Case {
    int wins, draws, losses;
    double elo, low, high;
  };
  // Reference values worked out by hand from the logistic model.
  const Case cases[] = {
      {75, 0, 25, 190.85, 119.21, 281.52},
      {30, 40, 30, 0.0, -53.16, 53.16},
      {60, 20, 20, 147.19, 86.23, 218.25},
      {25, 0, 75, -190.85, -281.52, -119.21},
  };
  for (const Case& c : cases) {
    Estimate e = EstimateElo(c.wins, c.draws, c.losses);
    EXPECT_NEAR(e.elo, c.elo, 0.01) << c.wins << "/" << c.draws << "/" << c.losses;
    EXPECT_NEAR(e.eloLow, c.low, 0.01) << c.wins << "/" << c.draws << "/" << c.losses;
    EXPECT_NEAR(e.eloHigh, c.high, 0.01) << c.wins << "/" << c.draws << "/" << c.losses;
  }
}

TEST(EstimateElo, ExtremesAreInfiniteAndMoreGamesNarrowTheInterval) {
  Estimate all = EstimateElo(10, 0, 0);
  EXPECT_TRUE(std::isinf(all.elo) && all.elo > 0);
  Estimate none = EstimateElo(0, 0, 10);
  EXPECT_TRUE(std::isinf(none.elo) && none.elo < 0);
  Estimate few = EstimateElo(6, 2, 2), many = EstimateElo(60, 20, 20);
  EXPECT_NEAR(few.elo, many.elo, 1e-9);
  EXPECT_GT(few.eloHigh - few.eloLow, 2.5 * (many.eloHigh - many.eloLow));
}

GameResult Finished(Outcome outcome, EndReason reason) {
  GameResult game{outcome, reason, "", 0, {}, ArenaBoard(15)};
  return game;
}

TEST(Tally, CountsFromEitherSide) {
  Tally tally;
  tally.Record(true, Finished(Outcome::kXWins, EndReason::kFive));
  tally.Record(false, Finished(Outcome::kXWins, EndReason::kTimeout));
  tally.Record(false, Finished(Outcome::kOWins, EndReason::kCrash));
  tally.Record(true, Finished(Outcome::kDraw, EndReason::kFullBoard));
  EXPECT_EQ(tally.wins, 2);
  EXPECT_EQ(tally.losses, 1);
  EXPECT_EQ(tally.draws, 1);
  EXPECT_EQ(tally.lostBy[size_t(EndReason::kTimeout)], 1);
  EXPECT_EQ(tally.wonBy[size_t(EndReason::kCrash)], 1);
  EXPECT_DOUBLE_EQ(tally.Score(), 2.5);
  Tally reversed = tally.Reversed();
  EXPECT_EQ(reversed.wins, 1);
  EXPECT_EQ(reversed.wonBy[size_t(EndReason::kTimeout)], 1);
}

TEST(FormatResults, ShowsPairingsEnginesPairsAndFaults) {
  std::vector<EngineCommand> engines = {{Protocol::kFile, {"a"}, "alpha"}, {Protocol::kPipe, {"b"}, "beta"}};
  std::vector<GameJob> jobs = ScheduleGames(1, 4, 2);
  PairingTally tally;
  tally.Record(jobs[0], Finished(Outcome::kXWins, EndReason::kFive));
  tally.Record(jobs[1], Finished(Outcome::kOWins, EndReason::kFive));
  tally.Record(jobs[2], Finished(Outcome::kXWins, EndReason::kFive));
  tally.Record(jobs[3], Finished(Outcome::kXWins, EndReason::kTimeout));
  std::string text = FormatResults(engines, {{0, 1}}, {tally}, StatsModel::kTrinomial);
  EXPECT_NE(
      text.find("alpha - beta         4     3     0     1   75.0%  +191 [-126, +inf]    +201  87.6%  pairs: 0 0 1 "
                "0 1  first: timeout 1\n"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("beta        4     1     0     3   25.0%  -191 [-inf, +126]    -201  12.4%  pairs: 1 0 1 0 0  "
                      "five 3\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("alpha       4     3     0     1   75.0%  +191 [-126, +inf]    +201  87.6%  pairs: 0 0 1 0 1  "
                      "five 0, timeout 1\n"),
            std::string::npos)
      << text;
  std::string pairs = FormatResults(engines, {{0, 1}}, {tally}, StatsModel::kPentanomial);
  // Two pairs, WW and WL, and half a pair for each empty count: a mean of 2 / 3.5.
  EXPECT_NE(pairs.find("75.0%  +50 [-232, +461]      +51  65.0%  pairs: 0 0 1 0 1"), std::string::npos) << pairs;
}

TEST(GameRecord, HeaderThenOneMovePerLine) {
  auto x = ScriptedEngine::Playing({{3, 3}, {4, 3}, {5, 3}, {6, 3}}, 12);
  auto o = ScriptedEngine::Playing({{0, 14}, {2, 14}, {4, 14}});
  GameResult game = PlayGame(x, o, 15, {{7, 3}, {7, 9}}, 100);
  EXPECT_EQ(FormatRecord(game, "tulvo /3", "tulvo /5"),
            "# board 15x15\n# x tulvo /3\n# o tulvo /5\n# result 1-0 (five)\n# opening 2\n"
            "7,3,0\n7,9,0\n3,3,12\n0,14,1\n4,3,12\n2,14,1\n5,3,12\n4,14,1\n6,3,12\n");
  std::string picture = FormatFinalBoard(game);
  EXPECT_NE(picture.find(" 3 ---xxxXx-------\n"), std::string::npos) << picture;
  EXPECT_NE(picture.find("14 o-o-o----------\n"), std::string::npos) << picture;
  EXPECT_EQ(RecordFileName(6), "game-0007.txt");
}

TEST(ResultText, NamesTheFaultAndCleansWhatTheEngineSaid) {
  GameResult game = Finished(Outcome::kOWins, EndReason::kMalformed);
  game.detail = "bad\x01move";
  EXPECT_EQ(ResultText(game), "0-1 (malformed move: bad move)");
  EXPECT_EQ(ResultText(Finished(Outcome::kDraw, EndReason::kFullBoard)), "1/2-1/2 (full board)");
  GameResult error = Finished(Outcome::kXWins, EndReason::kError);
  error.detail = "no memory for the tables";
  EXPECT_EQ(ResultText(error), "1-0 (error: no memory for the tables)");
}

}  // namespace

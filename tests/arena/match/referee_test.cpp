// The referee: move texts, wins, draws and every way of losing.
#include "arena/match/referee.h"

#include <gtest/gtest.h>

#include "arena/scripted_engine.h"

using namespace tulvo::arena;

namespace {

TEST(ParseMoveText, AcceptsDecimalPairsOnly) {
  struct Valid {
    const char* text;
    Point point;
  };
  const Valid valid[] = {{"7,7", {7, 7}},   {"0,19", {0, 19}},           {" 12,3\r\n", {12, 3}},
                         {"-1,3", {-1, 3}}, {"-999999,0", {-999999, 0}}, {"99,0", {99, 0}}};
  for (const Valid& v : valid) {
    auto point = ParseMoveText(v.text);
    ASSERT_TRUE(point.has_value()) << '"' << v.text << '"';
    EXPECT_EQ(*point, v.point) << v.text;
  }
  // At most six digits, leading zeros counted; a sign only as a minus.
  const char* const invalid[] = {"7, 7", "7 7",     "7,",    ",7",   "",          "7,7,7",     "a,b", "7.5,3",
                                 "OK",   "7,7 8,8", "--1,3", "+1,3", "1234567,1", "0000007,1", "7 ,7"};
  for (const char* text : invalid) EXPECT_FALSE(ParseMoveText(text).has_value()) << '"' << text << '"';
}

TEST(PlayGame, FiveWinsAndRecordsEveryMove) {
  auto x = ScriptedEngine::Playing({{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}}, 3);
  auto o = ScriptedEngine::Playing({{5, 9}, {7, 9}, {9, 9}, {11, 9}});
  GameResult game = PlayGame(x, o, 15, {}, 1000);
  EXPECT_EQ(game.outcome, Outcome::kXWins);
  EXPECT_EQ(game.reason, EndReason::kFive);
  ASSERT_EQ(game.moves.size(), 9u);
  EXPECT_EQ(game.moves.back().point, (Point{9, 5}));
  EXPECT_EQ(game.moves.back().ms, 3);
  EXPECT_EQ(x.startedWith, (std::pair{15, kDefaultStartMs})) << "START gets the start-up allowance";
  EXPECT_EQ(o.startedWith, (std::pair{15, kDefaultStartMs}));
  EXPECT_EQ(x.limits[0], 1100) << "the per-move limit and the default margin, a tenth of it";
}

TEST(PlayGame, OWinsWithAnOverline) {
  // O fills 3,4 and 5,6,7 of row 2, then 4 makes six in a row.
  auto x = ScriptedEngine::Playing({{0, 10}, {2, 10}, {4, 10}, {6, 10}, {8, 10}, {10, 10}, {12, 10}});
  auto o = ScriptedEngine::Playing({{2, 2}, {3, 2}, {5, 2}, {6, 2}, {7, 2}, {4, 2}});
  GameResult game = PlayGame(x, o, 20, {}, 1000);
  EXPECT_EQ(game.outcome, Outcome::kOWins);
  EXPECT_EQ(game.reason, EndReason::kFive);
  EXPECT_EQ(game.moves.size(), 12u);
}

// The same overline (O's 4,2 joins 2,2 3,2 and 5,2 6,2 7,2 into six) under both rules:
// free style ends the game there; under exactly five it goes on until O's exact five.
TEST(PlayGame, AnOverlineWinsOnlyUnderFreeStyle) {
  for (Rule rule : {Rule::kFreeStyle, Rule::kExactlyFive}) {
    auto x = ScriptedEngine::Playing(
        {{0, 10}, {2, 10}, {4, 10}, {6, 10}, {8, 10}, {10, 10}, {12, 10}, {14, 10}, {16, 10}, {18, 10}});
    auto o = ScriptedEngine::Playing({{2, 2}, {3, 2}, {5, 2}, {6, 2}, {7, 2}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}});
    GameResult game = PlayGame(x, o, 20, {}, 1000, {rule, 0, {}});
    EXPECT_EQ(game.outcome, Outcome::kOWins) << int(rule);
    EXPECT_EQ(game.reason, EndReason::kFive) << int(rule);
    EXPECT_EQ(game.moves.size(), rule == Rule::kFreeStyle ? 12u : 20u) << int(rule);
  }
}

TEST(PlayGame, TheMoveLimitDrawsUnlessTheLastMoveWins) {
  auto x = ScriptedEngine::Playing({{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}});
  auto o = ScriptedEngine::Playing({{5, 9}, {7, 9}, {9, 9}, {11, 9}});
  GameResult drawn = PlayGame(x, o, 15, {{0, 0}, {14, 14}}, 1000, {Rule::kFreeStyle, 8, {}});
  EXPECT_EQ(drawn.outcome, Outcome::kDraw);
  EXPECT_EQ(drawn.reason, EndReason::kMoveLimit);
  EXPECT_EQ(drawn.moves.size(), 8u) << "the opening's two moves count";
  auto x2 = ScriptedEngine::Playing({{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}});
  auto o2 = ScriptedEngine::Playing({{5, 9}, {7, 9}, {9, 9}, {11, 9}});
  GameResult won = PlayGame(x2, o2, 15, {}, 1000, {Rule::kFreeStyle, 9, {}});
  EXPECT_EQ(won.outcome, Outcome::kXWins) << "the ninth move makes five before the limit is looked at";
}

// X takes 400 ms a move on a 1-second clock, O 1 ms: X's third move overruns.
TEST(PlayGame, RunningPastTheClockLosesOnTime) {
  auto x = ScriptedEngine::Playing({{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}}, 400);
  auto o = ScriptedEngine::Playing({{5, 9}, {7, 9}, {9, 9}, {11, 9}});
  GameResult game = PlayGame(x, o, 15, {}, 5000, {Rule::kExactlyFive, 0, {1000, 0, 0}});
  EXPECT_EQ(game.outcome, Outcome::kOWins);
  EXPECT_EQ(game.reason, EndReason::kTimeForfeit);
  EXPECT_EQ(game.detail, "the clock ran out: 200 ms were left");
  EXPECT_EQ(game.moves.size(), 4u) << "the move that overran is not played";
  EXPECT_EQ(x.timesLeft, (std::vector<int>{1000, 600, 200}));
  EXPECT_EQ(x.limits, (std::vector<int>{1000, 600, 200})) << "a move may take what is left";
  EXPECT_EQ(o.timesLeft, (std::vector<int>{1000, 999}));
  EXPECT_EQ(x.terms.matchMs, 1000);
  EXPECT_EQ(x.terms.turnMs, 5000);
  EXPECT_EQ(o.terms.rule, Rule::kExactlyFive);
}

TEST(PlayGame, TheIncrementAndTheTurnLimitOfTheClock) {
  auto x = ScriptedEngine::Playing({{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}}, 400);
  auto o = ScriptedEngine::Playing({{5, 9}, {7, 9}, {9, 9}, {11, 9}});
  GameResult game = PlayGame(x, o, 15, {}, 5000, {Rule::kFreeStyle, 0, {1000, 700, 300}});
  EXPECT_EQ(game.outcome, Outcome::kXWins) << "the increment keeps X's clock going";
  EXPECT_EQ(x.timesLeft, (std::vector<int>{1000, 900, 800, 700, 600}));
  EXPECT_EQ(x.limits, (std::vector<int>{770, 770, 770, 700, 600})) << "the margin, cut to what the clock holds";
  EXPECT_EQ(x.terms.turnMs, 700) << "the clock's turn time replaces -t; the engine is told no margin";
  auto plain = ScriptedEngine::Playing({{5, 5}});
  auto other = ScriptedEngine::Playing({});
  PlayGame(plain, other, 15, {}, 5000);
  EXPECT_TRUE(plain.timesLeft.empty()) << "without a game clock, no time left is told";
  EXPECT_EQ(plain.terms.matchMs, 0);
}

// A timed-out request loses on time when the clock set its limit, else by timeout.
TEST(PlayGame, ATimeoutIsLostOnTimeOnlyWhenTheClockSetTheLimit) {
  for (int matchMs : {300, 3000}) {
    ScriptedEngine x({{ReplyStatus::kAnswered, "5,5", 10}, {ReplyStatus::kTimedOut, "no answer", 0}});
    auto o = ScriptedEngine::Playing({{5, 9}});
    GameResult game = PlayGame(x, o, 15, {}, 1000, {Rule::kFreeStyle, 0, {matchMs, 0, 0}});
    EXPECT_EQ(game.outcome, Outcome::kOWins);
    EXPECT_EQ(game.reason, matchMs == 300 ? EndReason::kTimeForfeit : EndReason::kTimeout) << matchMs;
  }
}

// The deadline of a move is the per-move limit and the margin: given, or a tenth of
// the limit but at least 50 ms. A game clock is never stretched by the margin.
TEST(PlayGame, AMoveMayRunIntoTheMarginButNotPastIt) {
  struct Case {
    int turnMs;
    int marginMs;  // -1: the default
    int matchMs;
    int deadline;
  };
  const Case cases[] = {{1000, -1, 0, 1100}, {200, -1, 0, 250},    {300, 0, 0, 300},
                        {300, 40, 0, 340},   {1000, 200, 0, 1200}, {1000, 200, 1100, 1100}};
  for (const Case& c : cases) {
    auto x = ScriptedEngine::Playing({{5, 5}});
    auto o = ScriptedEngine::Playing({});
    GameRules rules{Rule::kFreeStyle, 0, {c.matchMs, 0, 0}};
    rules.marginMs = c.marginMs;
    PlayGame(x, o, 15, {}, c.turnMs, rules);
    ASSERT_EQ(x.limits.size(), 1u);
    EXPECT_EQ(x.limits[0], c.deadline) << c.turnMs << " ms, margin " << c.marginMs << ", clock " << c.matchMs;
    EXPECT_EQ(x.terms.turnMs, c.turnMs) << "engines are told the plain limit";
  }
}

// A file engine's first run may include its start-up: that part is kept off its clock.
TEST(PlayGame, StartUpTimeIsNotChargedToTheClock) {
  ScriptedEngine x({{ReplyStatus::kAnswered, "5,5", 900, 800}, {ReplyStatus::kAnswered, "6,5", 100}});
  auto o = ScriptedEngine::Playing({{5, 9}, {7, 9}});
  PlayGame(x, o, 15, {}, 1000, {Rule::kFreeStyle, 0, {1000, 0, 0}});
  EXPECT_EQ(x.timesLeft, (std::vector<int>{1000, 900, 800}));
}

// The stones reach the engine in the order they were played: the opening's order,
// not the board's, then the game's moves.
TEST(PlayGame, EnginesSeeTheStonesInPlayOrder) {
  auto x = ScriptedEngine::Playing({{0, 0}});
  auto o = ScriptedEngine::Playing({{1, 1}, {2, 2}});
  PlayGame(x, o, 15, {{7, 7}, {8, 6}, {6, 8}}, 1000);
  using Points = std::vector<Point>;
  ASSERT_EQ(o.playedSeen.size(), 2u);
  EXPECT_EQ(o.playedSeen[0], (Points{{7, 7}, {8, 6}, {6, 8}}));
  EXPECT_EQ(x.playedSeen[0], (Points{{7, 7}, {8, 6}, {6, 8}, {1, 1}}));
  EXPECT_EQ(o.playedSeen[1], (Points{{7, 7}, {8, 6}, {6, 8}, {1, 1}, {0, 0}}));
}

TEST(PlayGame, OpeningIsPlacedAndTheRightSideMovesNext) {
  auto x = ScriptedEngine::Playing({{0, 0}});
  auto o = ScriptedEngine::Playing({{1, 1}, {2, 2}});
  GameResult game = PlayGame(x, o, 15, {{7, 7}, {8, 8}, {6, 8}}, 1000);
  // O moves first after three opening stones, is told the last opening cell, then X's move.
  ASSERT_EQ(o.stonesSeen, (std::vector<int>{3, 5}));
  EXPECT_EQ(o.lastMoves[0], (Point{6, 8}));
  EXPECT_EQ(o.lastMoves[1], (Point{0, 0}));
  EXPECT_EQ(x.lastMoves[0], (Point{1, 1}));
  EXPECT_EQ(game.openingMoves, 3);
  EXPECT_EQ(game.moves[0].point, (Point{7, 7}));
  EXPECT_EQ(game.moves[0].ms, 0);
  EXPECT_EQ(game.board.At({8, 8}), kCellO);
}

// Every fault of the mover loses; the case names which side misbehaves.
TEST(PlayGame, EveryFaultLosesWithItsReason) {
  struct Case {
    const char* name;
    EngineReply reply;
    EndReason reason;
  };
  const Case cases[] = {
      {"no move", {ReplyStatus::kMissing, "tah.dat holds no move", 5}, EndReason::kMissing},
      {"crash", {ReplyStatus::kCrashed, "killed by signal 6", 5}, EndReason::kCrash},
      {"ERROR reply", {ReplyStatus::kError, "out of memory", 5}, EndReason::kError},
      {"timeout", {ReplyStatus::kTimedOut, "no move within 100 ms", 100}, EndReason::kTimeout},
      {"malformed", {ReplyStatus::kAnswered, "seven,seven", 5}, EndReason::kMalformed},
      {"empty answer", {ReplyStatus::kAnswered, "", 5}, EndReason::kMalformed},
      {"off the right edge", {ReplyStatus::kAnswered, "15,3", 5}, EndReason::kOffBoard},
      {"off the bottom edge", {ReplyStatus::kAnswered, "3,15", 5}, EndReason::kOffBoard},
      {"negative", {ReplyStatus::kAnswered, "-1,3", 5}, EndReason::kOffBoard},
      {"occupied", {ReplyStatus::kAnswered, "7,7", 5}, EndReason::kOccupied},
  };
  for (const Case& c : cases) {
    for (bool xMisbehaves : {true, false}) {
      ScriptedEngine bad({c.reply});
      auto good = ScriptedEngine::Playing({{1, 1}, {2, 1}});
      // After the two-stone opening X moves; when O is the culprit, X moves once first.
      GameResult game =
          xMisbehaves ? PlayGame(bad, good, 15, {{7, 7}, {8, 8}}, 100) : PlayGame(good, bad, 15, {{7, 7}, {8, 8}}, 100);
      EXPECT_EQ(game.reason, c.reason) << c.name;
      EXPECT_EQ(game.outcome, xMisbehaves ? Outcome::kOWins : Outcome::kXWins) << c.name;
      EXPECT_EQ(game.detail.empty(), c.reply.text.empty()) << c.name;
      EXPECT_EQ(game.moves.size(), xMisbehaves ? 2u : 3u) << c.name << ": the bad move is not played";
    }
  }
}

TEST(PlayGame, AnEngineThatCannotStartLoses) {
  for (ReplyStatus status : {ReplyStatus::kRefused, ReplyStatus::kCrashed, ReplyStatus::kTimedOut}) {
    ScriptedEngine good({}), bad({}, {status, "ERROR unsupported size", 0});
    GameResult oFails = PlayGame(good, bad, 20, {}, 100);
    EXPECT_EQ(oFails.outcome, Outcome::kXWins);
    EXPECT_TRUE(good.stonesSeen.empty()) << "no move is asked for";
    ScriptedEngine good2({}), bad2({}, {status, "", 0});
    EXPECT_EQ(PlayGame(bad2, good2, 20, {}, 100).outcome, Outcome::kOWins);
  }
  ScriptedEngine good({}), bad({}, {ReplyStatus::kRefused, "ERROR unsupported size", 0});
  GameResult game = PlayGame(good, bad, 20, {}, 100);
  EXPECT_EQ(game.reason, EndReason::kRefused);
  EXPECT_EQ(game.detail, "ERROR unsupported size");
}

// X takes the cells where ((x / 2) + y) is even: no five anywhere, so the board fills.
TEST(PlayGame, AFullBoardIsADraw) {
  for (int side : {15, 20}) {
    std::vector<Point> xs, os;
    for (int y = 0; y < side; y++) {
      for (int x = 0; x < side; x++) ((x / 2 + y) % 2 == 0 ? xs : os).push_back({x, y});
    }
    ASSERT_EQ(xs.size(), os.size() + size_t(side % 2));
    auto x = ScriptedEngine::Playing(xs);
    auto o = ScriptedEngine::Playing(os);
    GameResult game = PlayGame(x, o, side, {}, 100);
    EXPECT_EQ(game.outcome, Outcome::kDraw) << side;
    EXPECT_EQ(game.reason, EndReason::kFullBoard) << side;
    EXPECT_TRUE(game.board.IsFull()) << side;
  }
}

}  // namespace

// The arena's command line and engine descriptions.
#include <gtest/gtest.h>

#include "arena/arena_options.h"
#include "arena/engine_command.h"
#include "arena/game_record.h"

using namespace tulvo::arena;

namespace {

TEST(SplitEngineCommand, QuotesGroupWords) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(SplitEngineCommand("  a  b\tc "), (Words{"a", "b", "c"}));
  EXPECT_EQ(SplitEngineCommand("faketime -f \"2026-01-01 12:00:00\" tulvo"),
            (Words{"faketime", "-f", "2026-01-01 12:00:00", "tulvo"}));
  EXPECT_EQ(SplitEngineCommand("a '' 'b c'd"), (Words{"a", "", "b cd"}));
  EXPECT_FALSE(SplitEngineCommand("a \"b"));
}

TEST(ParseEngineCommand, ReadsProtocolCommandAndLabel) {
  std::string error;
  auto file = ParseEngineCommand("file:build/tulvo /3", error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(file->protocol, Protocol::kFile);
  EXPECT_EQ(file->command, (std::vector<std::string>{"build/tulvo", "/3"}));
  EXPECT_EQ(file->label, "tulvo /3");
  auto frozen = ParseEngineCommand("file:/usr/bin/faketime -f '2026-01-01 12:00:00' ../b/tulvo /3", error);
  ASSERT_TRUE(frozen) << error;
  EXPECT_EQ(frozen->label, "faketime -f 2026-01-01 12:00:00 tulvo /3");
  auto pipe = ParseEngineCommand("pipe:pbrain-x", error);
  ASSERT_TRUE(pipe) << error;
  EXPECT_EQ(pipe->protocol, Protocol::kPipe);
  auto windows = ParseEngineCommand("pipe:\"C:\\my engines\\pbrain-x.exe\" /3", error);
  ASSERT_TRUE(windows) << error;
  EXPECT_EQ(windows->command[0], "C:\\my engines\\pbrain-x.exe");
  EXPECT_EQ(windows->label, "pbrain-x.exe /3");
  for (const char* bad : {"tulvo /3", "exe:tulvo", "file:", "pipe:   ", "file:\"a"}) {
    EXPECT_FALSE(ParseEngineCommand(bad, error)) << bad;
    EXPECT_NE(error.find("engine"), std::string::npos) << bad;
  }
}

TEST(ParseArenaOptions, ReadsEveryOption) {
  std::string error;
  auto options = ParseArenaOptions(
      {"-n",     "10", "--size",           "20", "-j", "2",     "-t", "300",       "-g",    "-o", "open.txt",
       "--seed", "99", "--opening-stones", "0",  "-r", "games", "-b", "file:t /1", "pipe:p"},
      error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->games, 10);
  EXPECT_EQ(options->side, 20);
  EXPECT_EQ(options->threads, 2);
  EXPECT_EQ(options->timeLimitMs, 300);
  EXPECT_TRUE(options->gauntlet);
  EXPECT_EQ(options->openingsFile, "open.txt");
  EXPECT_EQ(options->seed, 99u);
  EXPECT_EQ(options->openingStones, 0);
  EXPECT_EQ(options->recordsDirectory, "games");
  EXPECT_TRUE(options->showBoards);
  ASSERT_EQ(options->engines.size(), 2u);
  EXPECT_EQ(options->engines[0].label, "t /1");
}

TEST(ParseArenaOptions, ReadsTheOpeningRecordSprtRuleAndClockOptions) {
  std::string error;
  auto options = ParseArenaOptions(
      {"--opening-format", "pos", "--opening-order", "random", "--transform", "--record-format", "psq,sgf", "--sprt",
       "0,50", "--rule", "1", "--draw-after", "120", "--tc", "180/5+1", "file:a", "file:b"},
      error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->openingFormat, OpeningFormat::kPos);
  EXPECT_TRUE(options->randomOrder);
  EXPECT_TRUE(options->transform);
  EXPECT_FALSE(options->recordFormats.text);
  EXPECT_TRUE(options->recordFormats.psq && options->recordFormats.sgf);
  ASSERT_TRUE(options->sprt);
  EXPECT_EQ(options->sprt->elo1, 50);
  EXPECT_EQ(options->games, kSprtGames) << "an SPRT plays until it decides";
  EXPECT_EQ(options->rules.rule, Rule::kExactlyFive);
  EXPECT_EQ(options->rules.drawAfter, 120);
  EXPECT_EQ(options->rules.clock.matchMs, 180000);
  EXPECT_EQ(options->rules.clock.turnMs, 5000);
  EXPECT_EQ(options->rules.clock.incrementMs, 1000);
  auto plain = ParseArenaOptions({"file:a", "file:b"}, error);
  ASSERT_TRUE(plain) << error;
  EXPECT_EQ(plain->games, 2);
  EXPECT_EQ(plain->rules.rule, Rule::kFreeStyle);
  EXPECT_TRUE(plain->recordFormats.text && plain->recordFormats.psq && plain->recordFormats.sgf);
  auto version = ParseArenaOptions({"--version"}, error);
  ASSERT_TRUE(version) << error;
  EXPECT_TRUE(version->version);
}

TEST(ParseArenaOptions, RejectsWhatItCannotUse) {
  struct Case {
    std::vector<std::string> arguments;
    const char* needle;
  };
  const Case cases[] = {
      {{"file:a"}, "two engines"},
      {{"-s", "17", "file:a", "file:b"}, "--size"},
      {{"-s", "19x", "file:a", "file:b"}, "--size"},
      {{"-n", "0", "file:a", "file:b"}, "--games"},
      {{"-j", "-2", "file:a", "file:b"}, "--jobs"},
      {{"--opening-stones", "9", "file:a", "file:b"}, "--opening-stones"},
      {{"--seed", "x", "file:a", "file:b"}, "--seed"},
      {{"file:a", "file:b", "-t"}, "needs a value"},
      {{"--fast", "1", "file:a", "file:b"}, "unknown option --fast"},
      {{"file:a", "file:b", "--foo"}, "unknown option --foo"},
      {{"--opening-format", "auto", "file:a", "file:b"}, "--opening-format does not accept 'auto'"},
      {{"--opening-order", "shuffled", "file:a", "file:b"}, "--opening-order"},
      {{"--record-format", "pgn", "file:a", "file:b"}, "--record-format"},
      {{"--sprt", "50,0", "file:a", "file:b"}, "--sprt needs elo0,elo1"},
      {{"--sprt", "0,50", "file:a", "file:b", "file:c"}, "--sprt needs exactly two engines"},
      {{"--rule", "2", "file:a", "file:b"}, "--rule"},
      {{"--tc", "5/", "file:a", "file:b"}, "--tc needs MATCH[/TURN][+INC]"},
      {{"--draw-after", "0", "file:a", "file:b"}, "--draw-after"},
      {{"a", "file:b"}, "file: or pipe:"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseArenaOptions(c.arguments, error)) << c.needle;
    EXPECT_NE(error.find(c.needle), std::string::npos) << error;
  }
}

TEST(ParseArenaOptions, RepeatedEnginesGetDistinctLabels) {
  std::string error;
  auto options = ParseArenaOptions({"file:x/tulvo /3", "pipe:y/tulvo /3", "file:tulvo /3"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->engines[0].label, "tulvo /3");
  EXPECT_EQ(options->engines[1].label, "tulvo /3#2");
  EXPECT_EQ(options->engines[2].label, "tulvo /3#3");
}

// -r DIR numbers a new match's records after the highest one already there, so an
// earlier match's games are never overwritten; only the arena's own names count.
TEST(LastRecordNumber, IsTheHighestRecordOfAnyFormatInTheFolder) {
  struct Case {
    std::vector<std::string> names;
    int last;
  };
  const Case cases[] = {
      {{}, 0},
      {{"notes.txt", "game-0003", "game-0004.pgn", "game-.txt", "game-x7.sgf", "match-0009.txt"}, 0},
      {{"game-0001.txt", "game-0002.txt", "game-0010.psq"}, 10},
      {{"game-0012.sgf", "game-0003.txt"}, 12},
      {{"game-12345.txt"}, 12345},
      {{"game--0005.txt", "game-0002.txt", "game- 9.txt"}, 2},
  };
  for (const Case& c : cases) {
    std::string names;
    for (const std::string& name : c.names) names += name + " ";
    EXPECT_EQ(LastRecordNumber(c.names), c.last) << names;
  }
  EXPECT_EQ(RecordFileName(LastRecordNumber({"game-0010.txt"})), "game-0011.txt");
}

}  // namespace

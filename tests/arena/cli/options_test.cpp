// The arena's command line and engine descriptions.
#include <gtest/gtest.h>

#include "arena/cli/arena_options.h"
#include "arena/engines/engine_command.h"
#include "arena/records/game_record.h"

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
  EXPECT_EQ(frozen->label, "faketime ... tulvo /3") << "cut to a readable width, the ends kept";
  auto longWord = ParseEngineCommand("pipe:pbrain-a-very-long-engine-name-indeed-v12 --x", error);
  ASSERT_TRUE(longWord) << error;
  EXPECT_EQ(longWord->label, "pbrain-a-very-long-engine-nam...");
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
      {{"-s", "19", "file:a", "file:b"}, "--size does not accept '19': it takes 15 or 20"},
      {{"-s", "19x", "file:a", "file:b"}, "--size"},
      {{"-n", "0", "file:a", "file:b"}, "--games"},
      {{"-j", "-2", "file:a", "file:b"}, "--jobs does not accept '-2': it takes a whole number from 1 to 64"},
      {{"--opening-stones", "9", "file:a", "file:b"}, "--opening-stones"},
      {{"--seed", "x", "file:a", "file:b"}, "--seed"},
      {{"file:a", "file:b", "-t"}, "needs a value"},
      {{"--fast", "1", "file:a", "file:b"}, "unknown option --fast"},
      {{"file:a", "file:b", "--foo"}, "unknown option --foo"},
      {{"--opening-format", "auto", "file:a", "file:b"}, "--opening-format does not accept 'auto'"},
      {{"--opening-order", "shuffled", "file:a", "file:b"}, "it takes sequential or random"},
      {{"--record-format", "pgn", "file:a", "file:b"}, "it takes a comma-separated list of txt, psq and sgf"},
      {{"--sprt", "50,0", "file:a", "file:b"}, "--sprt needs elo0,elo1"},
      {{"--sprt", "0,50", "file:a", "file:b", "file:c"}, "--sprt needs exactly two engines"},
      {{"--rule=2", "file:a", "file:b"}, "--rule does not accept '2': it takes 0 (five or more) or 1 (exactly five)"},
      {{"--tc", "5/", "file:a", "file:b"}, "--tc needs MATCH[/TURN][+INC]"},
      {{"--draw-after", "0", "file:a", "file:b"}, "--draw-after does not accept '0': it takes a whole number from 1"},
      {{"--start-time", "0", "file:a", "file:b"}, "--start-time does not accept '0': it takes a whole number from 1"},
      {{"--margin", "-5", "file:a", "file:b"}, "--margin does not accept '-5': it takes a whole number from 0"},
      {{"--help=yes", "file:a", "file:b"}, "--help takes no value"},
      {{"--size=", "file:a", "file:b"}, "--size does not accept ''"},
      {{"--name", "3=x", "file:a", "file:b"}, "--name needs N=LABEL, with N from 1 to 2"},
      {{"--name", "1=", "file:a", "file:b"}, "--name needs N=LABEL"},
      {{"--name", "1=a\nb", "file:a", "file:b"}, "--name needs N=LABEL"},
      {{"--info", "1=threads", "pipe:a", "pipe:b"}, "--info needs N:KEY=VALUE"},
      {{"--info", "0:threads=2", "pipe:a", "pipe:b"}, "--info needs N:KEY=VALUE, with N from 1 to 2"},
      {{"--info", "1:max memory=2", "pipe:a", "pipe:b"}, "a KEY without blanks"},
      {{"--info", "2:folder=a\r\nEND", "pipe:a", "pipe:b"}, "--info does not accept a VALUE with a line break"},
      {{"a", "file:b"}, "file: or pipe:"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseArenaOptions(c.arguments, error)) << c.needle;
    EXPECT_NE(error.find(c.needle), std::string::npos) << error;
  }
}

// Every option with a value also takes it after '='; the value may hold '=' itself.
TEST(ParseArenaOptions, TheEqualsFormMeansTheSame) {
  std::string error;
  auto options = ParseArenaOptions({"--size=20", "--games=4", "--time-limit=300", "--margin=20", "--start-time=900",
                                    "--records=a=b", "--tc=10/1+0.5", "--opening-order=random", "file:a", "file:b"},
                                   error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->side, 20);
  EXPECT_EQ(options->games, 4);
  EXPECT_EQ(options->timeLimitMs, 300);
  EXPECT_EQ(options->rules.marginMs, 20);
  EXPECT_EQ(options->rules.startMs, 900);
  EXPECT_EQ(options->recordsDirectory, "a=b");
  EXPECT_EQ(options->rules.clock.incrementMs, 500);
  EXPECT_TRUE(options->randomOrder);
  auto defaults = ParseArenaOptions({"file:a", "file:b"}, error);
  ASSERT_TRUE(defaults) << error;
  EXPECT_EQ(defaults->rules.startMs, kDefaultStartMs);
  EXPECT_EQ(defaults->rules.marginMs, -1) << "the margin follows the per-move limit";
}

// --name and --info name engines by position, wherever they stand on the line.
TEST(ParseArenaOptions, NamesAndSettingsReachTheirEngines) {
  std::string error;
  auto options = ParseArenaOptions({"--info", "2:max_memory=83886080", "--name=2=strong one", "file:a /1", "pipe:b",
                                    "pipe:b", "--info=2:folder=C:\\x y=z", "--info", "3:threads=", "--name", "1=b"},
                                   error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->engines[0].label, "b");
  EXPECT_EQ(options->engines[1].label, "strong one");
  EXPECT_EQ(options->engines[2].label, "b#2") << "a name is kept unique like any label";
  EXPECT_EQ(options->engines[1].infos, (std::vector<EngineInfo>{{"max_memory", "83886080"}, {"folder", "C:\\x y=z"}}));
  EXPECT_EQ(options->engines[2].infos, (std::vector<EngineInfo>{{"threads", ""}}));
  EXPECT_EQ(InfoForFileEngine(options->engines), "");
  auto file = ParseArenaOptions({"--info", "1:threads=2", "file:a", "pipe:b"}, error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(InfoForFileEngine(file->engines),
            "--info 1:threads=... is for pipe engines; engine 1 (a) is a file engine, which is told nothing");
}

TEST(MatchHeading, NamesTheRuleAndTheClockInGoodEnglish) {
  struct Case {
    std::vector<std::string> arguments;
    const char* heading;
  };
  const Case cases[] = {
      {{}, "15x15, free style, 2 games per pairing, random openings of 4 stones, seed 1, 5000 ms per move"},
      {{"-n", "1", "--opening-stones", "1", "--rule", "1", "-t", "300", "-s", "20"},
       "20x20, exactly five, 1 game per pairing, random openings of 1 stone, seed 1, 300 ms per move"},
      {{"--tc", "1/0.5+0.1", "-o", "o.txt", "--draw-after", "1"},
       "15x15, free style, 2 games per pairing, openings from o.txt, clock 1/0.5+0.1, drawn after 1 move"},
      {{"--tc=180", "-t", "2500", "--draw-after=100"},
       "15x15, free style, 2 games per pairing, random openings of 4 stones, seed 1, clock 180/2.5, drawn after "
       "100 moves"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"file:a", "file:b"});
    std::string error;
    auto options = ParseArenaOptions(arguments, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(MatchHeading(*options), c.heading);
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

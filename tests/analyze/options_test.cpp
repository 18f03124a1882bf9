// The command line of tulvo-analyze: what it takes and the one line it refuses with.
#include <gtest/gtest.h>

#include "analyze/analyze_options.h"

using namespace tulvo::analyze;

TEST(AnalyzeOptions, TakesEveryOptionInBothSpellings) {
  ParsedOptions parsed =
      ParseAnalyzeOptions({"--side", "o", "--level=3", "games/1", "--seed", "4294967295", "--format=tsv"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.input, "games/1");
  EXPECT_EQ(parsed.options.side, 2);
  EXPECT_EQ(parsed.options.level, 3);
  EXPECT_TRUE(parsed.options.seedGiven);
  EXPECT_EQ(parsed.options.seed, 4294967295u);
  EXPECT_EQ(parsed.options.format, OutputFormat::kTsv);
}

TEST(AnalyzeOptions, DefaultsLeaveSideSeedAndLevelToTheFileProgramsRules) {
  ParsedOptions parsed = ParseAnalyzeOptions({"plocha.dat"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.side, 0);
  EXPECT_EQ(parsed.options.level, 6);
  EXPECT_FALSE(parsed.options.seedGiven);
  EXPECT_EQ(parsed.options.format, OutputFormat::kPicture);
  EXPECT_EQ(ParseAnalyzeOptions({"--seed", "0", "p"}).options.seed, 0u);
  EXPECT_EQ(ParseAnalyzeOptions({"--level", "0", "p"}).options.level, 0);
}

TEST(AnalyzeOptions, RefusesWithOneLineNamingTheArgument) {
  struct Case {
    std::vector<std::string> arguments;
    const char* error;
  };
  const Case cases[] = {
      {{}, "tulvo-analyze: no input: give a board file or a folder"},
      {{"a", "b"}, "tulvo-analyze: more than one input: 'b'"},
      {{"--colour", "a"}, "tulvo-analyze: unknown option '--colour'"},
      {{"-l", "3", "a"}, "tulvo-analyze: unknown option '-l'"},
      {{"a", "--level"}, "tulvo-analyze: option '--level' needs a value"},
      {{"--level", "7", "a"}, "tulvo-analyze: bad value '7' for option '--level' (expected 0..6)"},
      {{"--level", "-1", "a"}, "tulvo-analyze: bad value '-1' for option '--level' (expected 0..6)"},
      {{"--level=", "a"}, "tulvo-analyze: bad value '' for option '--level' (expected 0..6)"},
      {{"--level", "3x", "a"}, "tulvo-analyze: bad value '3x' for option '--level' (expected 0..6)"},
      {{"--seed", "4294967296", "a"},
       "tulvo-analyze: bad value '4294967296' for option '--seed' (expected 0..4294967295)"},
      {{"--seed", "99999999999999999999", "a"},
       "tulvo-analyze: bad value '99999999999999999999' for option '--seed' (expected 0..4294967295)"},
      {{"--seed", "+5", "a"}, "tulvo-analyze: bad value '+5' for option '--seed' (expected 0..4294967295)"},
      {{"--side", "X", "a"}, "tulvo-analyze: bad value 'X' for option '--side' (expected x or o)"},
      {{"--format", "csv", "a"}, "tulvo-analyze: bad value 'csv' for option '--format' (expected picture or tsv)"},
  };
  for (const Case& c : cases) {
    std::string error = ParseAnalyzeOptions(c.arguments).error;
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

TEST(AnalyzeOptions, HelpAndVersionNeedNoInput) {
  for (const char* argument : {"--help", "-h", "--version"}) {
    ParsedOptions parsed = ParseAnalyzeOptions({argument});
    EXPECT_EQ(parsed.error, "") << argument;
    EXPECT_EQ(parsed.options.help, argument[2] != 'v') << argument;
    EXPECT_EQ(parsed.options.version, argument[2] == 'v') << argument;
  }
  EXPECT_EQ(ParseAnalyzeOptions({"--versions"}).error, "tulvo-analyze: unknown option '--versions'");
}

// What a journal keeps of the command line: the options and engines as given, the
// settings its fingerprint covers and the reason a resume is refused; and the
// progress line.
#include "arena/cli/match_settings.h"

#include <gtest/gtest.h>

#include "arena/cli/progress.h"

using namespace tulvo::arena;

namespace {

ArenaOptions Parsed(const std::vector<std::string>& arguments) {
  std::string error;
  std::optional<ArenaOptions> options = ParseArenaOptions(arguments, error);
  EXPECT_TRUE(options) << error;
  return options.value_or(ArenaOptions{});
}

TEST(ArenaOptions, KeepTheCommandLineAsGivenApartFromItsEngines) {
  ArenaOptions options = Parsed({"-n", "6", "--stats=trinomial", "file:a /1", "--transform", "--journal", "j.jsonl",
                                 "pipe:b", "--json", "r.json"});
  EXPECT_EQ(options.optionTexts, (std::vector<std::string>{"-n", "6", "--stats=trinomial", "--transform", "--journal",
                                                           "j.jsonl", "--json", "r.json"}));
  EXPECT_EQ(options.engineTexts, (std::vector<std::string>{"file:a /1", "pipe:b"}));
  EXPECT_EQ(options.stats, StatsModel::kTrinomial);
  EXPECT_EQ(options.journalFile, "j.jsonl");
  EXPECT_EQ(options.jsonFile, "r.json");
  EXPECT_EQ(Parsed({"--resume", "j.jsonl"}).resumeFile, "j.jsonl") << "a resume needs no engines";
  std::string error;
  EXPECT_FALSE(ParseArenaOptions({"--stats", "binomial", "file:a", "file:b"}, error));
  EXPECT_EQ(error, "--stats does not accept 'binomial': it takes pentanomial or trinomial");
}

// Settings that change what is played change the fingerprint and are named when a
// resume would change them; how the match is played does not.
TEST(MatchSettings, TheFingerprintCoversWhatIsPlayed) {
  std::vector<std::string> engines = {"file:a", "pipe:b"};
  auto settingsOf = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), engines.begin(), engines.end());
    return MatchSettings(Parsed(arguments), {{{7, 7}, {8, 8}}});
  };
  Json plain = settingsOf({"-n", "4"});
  for (const std::vector<std::string>& same :
       {std::vector<std::string>{"-n", "4", "-j", "3"}, {"-n", "4", "-r", "games", "--json", "x.json", "-b"}}) {
    EXPECT_EQ(Fingerprint(settingsOf(same)), Fingerprint(plain)) << same[2];
  }
  struct Case {
    std::vector<std::string> arguments;
    std::string difference;
  };
  const Case cases[] = {
      {{"-n", "6"}, "the setting 'games' (-n) is 4 in the journal but 6 here"},
      {{"-n", "4", "-s", "20"}, "the setting 'size' (-s) is 15 in the journal but 20 here"},
      {{"-n", "4", "--seed", "2"}, "the setting 'openings' (-o, --transform, --opening-order, --seed) is"},
      {{"-n", "4", "--tc", "60"}, "the setting 'clock' (--tc) is {\"match_ms\":0,"},
      {{"-n", "4", "--sprt", "0,5"}, "the setting 'sprt' (--sprt) is null in the journal but {\"elo0\":0,"},
      {{"-n", "4", "--name", "1=x"}, "the setting 'engines' (the engines, --name, --info) is [{\"protocol\":\"file\""},
  };
  for (const Case& c : cases) {
    Json changed = settingsOf(c.arguments);
    EXPECT_NE(Fingerprint(changed), Fingerprint(plain)) << c.difference;
    EXPECT_EQ(SettingsDifference(plain, changed).substr(0, c.difference.size()), c.difference);
  }
  EXPECT_EQ(SettingsDifference(plain, settingsOf({"-n", "4"})), "");
}

TEST(NewJournalHead, CountsTheWholeSchedule) {
  ArenaOptions options =
      Parsed({"-n", "5", "-g", "-r", "games", "--record-format", "psq", "file:a", "pipe:b", "pipe:c"});
  JournalHead head = NewJournalHead(options, {{{7, 7}}, {{8, 8}}}, "/here", 12);
  EXPECT_EQ(head.pairings, 2);
  EXPECT_EQ(head.scheduled, 10);
  EXPECT_EQ(head.pairs, 6) << "the fifth game of a pairing stands alone in its pair";
  EXPECT_EQ(head.openings, 2);
  EXPECT_EQ(RecordsBefore(head), 12);
  EXPECT_EQ(head.run.Text(), "{\"jobs\":1,\"records\":\"games\",\"record_formats\":[\"psq\"],\"records_before\":12}");
  EXPECT_TRUE(head.shard.IsNull());
  EXPECT_EQ(head.fingerprint, Fingerprint(head.settings));
}

TEST(Progress, ShowsGamesPairsTheRatioAndTheTimeLeft) {
  PairingTally tally;
  tally.games.wins = 4;
  tally.games.losses = 2;
  tally.pairs.counts = {0, 0, 2, 1, 0};
  SprtTest test{0, 50};
  EXPECT_EQ(ProgressText({6, 20, "a - b", tally, 0.314, &test, 95000}),
            "6/20 games; last: a - b +4 =0 -2, pairs 0 0 2 1 0; LLR 0.31 [-2.94, 2.94]; about 1m35s left");
  EXPECT_EQ(ProgressText({20, 20, "a - b", tally, std::nullopt, nullptr, 0}),
            "20/20 games; last: a - b +4 =0 -2, pairs 0 0 2 1 0");
  EXPECT_EQ(MsLeft(6000, 3, 10, 2), 10000) << "2 s a game, 10 games, two at once";
  EXPECT_EQ(MsLeft(0, 0, 10, 1), -1) << "unknown before the first game";
  EXPECT_EQ(ProgressText({1, 9, "a - b", tally, std::nullopt, nullptr, 7200000}).substr(48), "; about 2h00m left");
}

}  // namespace

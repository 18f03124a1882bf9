// The merge command: shards' journals as one match's results, and following them
// while a test appends to them as shards would.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "arena/cli/match_settings.h"
#include "arena/cli/merge_command.h"
#include "arena/match/openings.h"
#include "support/program_runner.h"

using namespace tulvo::arena;

namespace {

constexpr int kGames = 12;  // per pairing; 6 pairs, 3 for each of 2 shards

// The journals of a two-engine match cut into shards, in a scratch folder, which
// a test fills game by game as the shards would.
class ShardJournals {
 public:
  ShardJournals(int shards, const std::vector<std::string>& extra) : shards_(shards) {
    std::vector<std::string> arguments{"-n", std::to_string(kGames)};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    arguments.insert(arguments.end(), {"pipe:first", "pipe:second"});
    std::string error;
    options_ = *ParseArenaOptions(arguments, error);
    auto openings = RandomOpenings(kGames / 2, 4, 15, 1);
    head_ = NewJournalHead(options_, openings, folder_.path(), 0);
    jobs_ = ScheduleGames(1, kGames, int(openings.size()));
  }
  std::string Path(int shard) const { return folder_.path() + "/shard-" + std::to_string(shard) + ".jsonl"; }
  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (int k = 1; k <= shards_; k++) paths.push_back(Path(k));
    return paths;
  }
  void Begin(int shard) {
    JournalHead head = head_;
    head.shard = ShardValue({shard, shards_});
    Append(shard, HeadLine(head));
  }
  // Game number (from 0) of the schedule, the first engine winning it.
  void Won(int number) {
    const GameJob& job = jobs_[size_t(number)];
    GameResult result{job.firstIsX ? Outcome::kXWins : Outcome::kOWins, EndReason::kFive, "", 0, {}, ArenaBoard(15)};
    Append(ShardOf(job, shards_), GameLine({job, result, "x", "o", {}}));
  }
  void End(int shard) { Append(shard, EndLine("schedule", 0)); }
  void Append(int shard, const std::string& text) { std::ofstream(Path(shard), std::ios::app) << text; }

 private:
  int shards_;
  tulvo::test::ScratchDirectory folder_;
  ArenaOptions options_;
  JournalHead head_;
  std::vector<GameJob> jobs_;
};

// Follows the journals; before each pause, step (counted from 0) adds what the
// shards would have written by then, until it returns false.
struct Followed {
  std::optional<MergedMatch> match;
  std::string error;
  int pauses = 0;
  std::vector<std::string> printed;
};

Followed Follow(const ShardJournals& journals, const std::function<bool(int)>& step) {
  Followed followed;
  MergeRequest request{journals.Paths(), {}, "", true, 1};
  struct StillFollowing {};
  auto pause = [&](int ms) {
    EXPECT_EQ(ms, 1);
    if (!step(followed.pauses++)) throw StillFollowing{};
  };
  auto print = [&](const std::string& text) { followed.printed.push_back(text); };
  try {
    followed.match = FollowJournals(request, pause, print, followed.error);
  } catch (const StillFollowing&) {
    ADD_FAILURE() << "still following after every line was written";
  }
  return followed;
}

TEST(MergeRequest, ReadsItsOptionsAndRefusesOthers) {
  struct Case {
    std::vector<std::string> arguments;
    const char* error;  // "" when valid
  };
  const Case cases[] = {
      {{"--follow", "--interval", "0.5", "--json=r.json", "--stats", "trinomial", "a", "b"}, ""},
      {{"--interval=2", "a"}, ""},
      {{"--follow"}, "merge needs journals: merge [--follow] JOURNAL..."},
      {{"--interval", "0", "a"}, "--interval does not accept '0': it takes seconds from 0.01 to 3600"},
      {{"a", "--json"}, "--json needs a value"},
      {{"--follow=1", "a"}, "--follow takes no value"},
      {{"-n", "4", "a"}, "merge does not know the option -n"},
  };
  for (const Case& c : cases) {
    std::string error;
    auto request = ParseMergeRequest(c.arguments, error);
    EXPECT_EQ(error, c.error) << c.arguments[0];
    EXPECT_EQ(request.has_value(), error.empty());
  }
  std::string error;
  auto request = ParseMergeRequest(cases[0].arguments, error);
  ASSERT_TRUE(request);
  EXPECT_TRUE(request->follow);
  EXPECT_EQ(request->intervalMs, 500);
  EXPECT_EQ(request->jsonFile, "r.json");
  EXPECT_EQ(request->given, (std::vector<std::string>{"--stats", "trinomial"}));
  EXPECT_EQ(request->journals, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ParseMergeRequest({"--interval=2", "a"}, error)->intervalMs, 2000);
}

TEST(MergeFollow, EndsAtTheSprtVerdictOfTheMergedPairs) {
  ShardJournals journals(2, {"--sprt", "0,400"});
  // Neither shard has begun at the first look; then the first engine wins every
  // game, one game a look, the shards taking turns pair by pair.
  auto followed = Follow(journals, [&](int step) {
    if (step == 0) return true;
    if (step == 1) {
      journals.Begin(1);
      journals.Begin(2);
    }
    if (step >= 2 && step - 2 < kGames) journals.Won(step - 2);
    return step - 2 < kGames;
  });
  ASSERT_TRUE(followed.match) << followed.error;
  EXPECT_TRUE(followed.match->state.Decided());
  EXPECT_EQ(followed.match->state.sprt.verdict, SprtVerdict::kH1);
  EXPECT_LT(followed.match->state.played, kGames);  // the verdict came before the last game
  EXPECT_EQ(followed.match->state.played % 2, 0);   // and on whole pairs
  // One running line for each look that found more games, with the LLR.
  ASSERT_FALSE(followed.printed.empty());
  EXPECT_NE(followed.printed.back().find("LLR"), std::string::npos) << followed.printed.back();
  EXPECT_NE(MergedResultsText(*followed.match).find("H1 accepted after"), std::string::npos);
}

TEST(MergeFollow, EndsOnceEveryShardsJournalIsComplete) {
  ShardJournals journals(2, {});
  for (int k : {1, 2}) journals.Begin(k);
  bool ended = false;
  auto followed = Follow(journals, [&](int step) {
    if (step < kGames) journals.Won(step);
    if (step == kGames) journals.End(1);  // every game is in, but only one shard says so
    if (step == kGames + 1) {
      journals.End(2);
      ended = true;
    }
    return step <= kGames + 1;
  });
  ASSERT_TRUE(followed.match) << followed.error;
  EXPECT_TRUE(ended);
  EXPECT_EQ(followed.pauses, kGames + 2);
  EXPECT_EQ(followed.match->state.played, kGames);
  EXPECT_EQ(MissingGamesLine(followed.match->merged), "");
  // The running table at each look that found a game, and the first look's too.
  EXPECT_EQ(followed.printed.size(), size_t(kGames + 1));
  EXPECT_NE(followed.printed.back().find("pairs: 0 0 0 0 6"), std::string::npos) << followed.printed.back();
}

TEST(MergeFollow, StopsAtAJournalOfAnotherMatch) {
  ShardJournals journals(2, {});
  ShardJournals other(2, {"--rule", "1"});
  journals.Begin(1);
  other.Begin(2);
  std::ifstream in(other.Path(2));
  std::string foreign(std::istreambuf_iterator<char>(in), {});
  auto followed = Follow(journals, [&](int step) {
    if (step == 1) journals.Append(2, foreign);
    return step < 2;
  });
  EXPECT_FALSE(followed.match);
  EXPECT_NE(followed.error.find("are journals of different matches"), std::string::npos) << followed.error;
  EXPECT_EQ(followed.pauses, 2);
}

}  // namespace

namespace {

using tulvo::test::ProgramRun;
using tulvo::test::RunProgramIn;
using tulvo::test::ScratchDirectory;

const std::string kArena = ARENA_EXECUTABLE;
const std::vector<std::string> kMatch{"-n",
                                      "9",
                                      "-g",
                                      "pipe:" + std::string(FAKE_ENGINE) + " pipe greedy 9",
                                      "pipe:" + std::string(FAKE_ENGINE) + " pipe greedy 2",
                                      "pipe:" + std::string(FAKE_ENGINE) + " pipe greedy 0"};

// The arena with its standard error joined to its standard output.
ProgramRun Arena(const ScratchDirectory& directory, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"-c", "exec \"$0\" \"$@\" 2>&1", kArena});
  return RunProgramIn(directory.path(), "/bin/sh", arguments);
}

ProgramRun Match(const ScratchDirectory& directory, std::vector<std::string> arguments) {
  arguments.insert(arguments.end(), kMatch.begin(), kMatch.end());
  return Arena(directory, arguments);
}

TEST(MergeProgram, ShardsPlayedApartGiveTheWholeMatchsResults) {
  ScratchDirectory directory;
  // A gauntlet of two pairings, 9 games each (an odd count: each pairing's last game
  // is a pair of its own), cut into 4 shards played one after another.
  ProgramRun whole = Match(directory, {"--journal", "whole.jsonl"});
  ASSERT_EQ(whole.exitCode, 0) << whole.output;
  std::vector<std::string> merge{"merge"};
  for (int k = 1; k <= 4; k++) {
    std::string shard = std::to_string(k) + "/4", journal = "shard-" + std::to_string(k) + ".jsonl";
    ProgramRun run = Match(directory, {"--shard", shard, "--journal", journal});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("Shard " + shard + " of the match"), std::string::npos) << run.output;
    merge.push_back(journal);
  }
  ProgramRun merged = Arena(directory, merge);
  ASSERT_EQ(merged.exitCode, 0) << merged.output;
  EXPECT_EQ(merged.output, whole.output);
  // Without shard 3: the same match, short of its games.
  merge.erase(merge.begin() + 3);
  merged = Arena(directory, merge);
  ASSERT_EQ(merged.exitCode, 0) << merged.output;
  EXPECT_NE(merged.output.find("4 games of the schedule's 18 are missing: they belong to shard 3 of 4.\n"),
            std::string::npos)
      << merged.output;
}

TEST(MergeProgram, RefusesWithOneLineAndWritesNothing) {
  ScratchDirectory directory;
  ASSERT_EQ(Match(directory, {"--shard", "1/3", "--journal", "one.jsonl"}).exitCode, 0);
  ASSERT_EQ(Match(directory, {"--seed", "2", "--shard", "2/3", "--journal", "other.jsonl"}).exitCode, 0);
  directory.Write("notes.txt", "a shopping list\n");
  std::string journal = directory.Read("one.jsonl");
  struct Case {
    std::vector<std::string> arguments;
    const char* line;
  };
  std::vector<Case> cases{
      {{"--shard", "5/4", "--journal", "new.jsonl", "pipe:a", "pipe:b"},
       "tulvo-arena: --shard 5/4 is outside the match: K must be from 1 to 4\n"},
      {{"--shard", "0/4", "-r", "records", "pipe:a", "pipe:b"},
       "tulvo-arena: --shard 0/4 is outside the match: K must be from 1 to 4\n"},
      {{"--resume", "one.jsonl", "--shard", "2/3"},
       "tulvo-arena: cannot resume one.jsonl as shard 2/3: it is the journal of shard 1/3\n"},
      {{"merge", "--json", "out.json", "notes.txt"},
       "tulvo-arena: notes.txt is no journal of a match: line 1 is no match line: a malformed value at character 1\n"},
      {{"merge", "--json", "out.json", "one.jsonl", "one.jsonl"},
       "tulvo-arena: one.jsonl and one.jsonl are both shard 1/3 of the match\n"},
      {{"merge", "--json", "out.json", "one.jsonl", "other.jsonl"},
       "tulvo-arena: one.jsonl and other.jsonl are journals of different matches"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Arena(directory, c.arguments);
    EXPECT_EQ(run.exitCode, 2) << c.line;
    EXPECT_EQ(run.output.rfind(c.line, 0), 0u) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
  }
  EXPECT_EQ(directory.Names(), (std::vector<std::string>{"notes.txt", "one.jsonl", "other.jsonl"}));
  EXPECT_EQ(directory.Read("one.jsonl"), journal);
}

}  // namespace

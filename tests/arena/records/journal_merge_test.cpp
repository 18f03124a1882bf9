// Merging the journals of a match's shards: what is combined, what is refused, and
// what is reported missing.
#include "arena/records/journal_merge.h"

#include <gtest/gtest.h>

#include <set>

#include "arena/stats/tally.h"

using namespace tulvo::arena;

namespace {

constexpr int kPairings = 3;
constexpr int kGamesPerPairing = 5;  // odd: each pairing's last game stands alone
constexpr int kScheduled = kPairings * kGamesPerPairing;

// A journal's text: its first line for shard of a match of fingerprint, then the
// games numbered (from 0), X winning the even ones and the odd ones drawn, and an
// end line when complete.
std::string JournalText(Shard shard, const std::vector<int>& numbers, bool complete = false,
                        const std::string& fingerprint = "00000000000000aa") {
  JournalHead head;
  head.version = "test";
  head.fingerprint = fingerprint;
  head.shard = ShardValue(shard);
  head.settings = JsonObject{{"size", 15}};
  head.scheduled = kScheduled;
  head.pairs = kPairings * ((kGamesPerPairing + 1) / 2);
  head.pairings = kPairings;
  head.openings = 2;
  std::string text = HeadLine(head);
  for (int number : numbers) {
    GameResult result{number % 2 == 0 ? Outcome::kXWins : Outcome::kDraw, EndReason::kFive, "", 0, {}, ArenaBoard(15)};
    text += GameLine({ScheduledJob(number, kPairings, head.openings), result, "a", "b", {}});
  }
  return complete ? text + EndLine("schedule", int(numbers.size())) : text;
}

JournalFile Read(const std::string& path, const std::string& text) {
  std::string error;
  auto journal = ReadJournal(text, error);
  EXPECT_TRUE(journal) << path << ": " << error;
  return {path, journal.value_or(Journal{})};
}

// The games of the schedule that shard plays.
std::vector<int> GamesOf(Shard shard) {
  std::vector<int> numbers;
  for (const GameJob& job : ShardJobs(ScheduleGames(kPairings, kGamesPerPairing, 2), shard))
    numbers.push_back(job.number);
  return numbers;
}

TEST(JournalMerge, CombinesEveryShardsGamesIntoTheWholeMatch) {
  std::vector<JournalFile> files;
  for (int k : {3, 1, 2}) files.push_back(Read("s" + std::to_string(k), JournalText({k, 3}, GamesOf({k, 3}), true)));
  std::string error;
  auto merged = MergeJournals(files, error);
  ASSERT_TRUE(merged) << error;
  EXPECT_TRUE(merged->journal.complete);
  EXPECT_EQ(merged->journal.completion, "schedule");
  EXPECT_TRUE(merged->journal.head.shard.IsNull());
  EXPECT_EQ(merged->present, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(merged->missingGames, 0);
  EXPECT_EQ(MissingGamesLine(*merged), "");
  std::set<int> numbers;
  for (const JournalGame& game : merged->journal.games) numbers.insert(game.job.number);
  EXPECT_EQ(numbers.size(), size_t(kScheduled));
  // The same tallies, games and pairs, as the journals' games one after another.
  auto tally = [](const std::vector<JournalGame>& games) {
    std::vector<GameJob> jobs;
    std::vector<std::optional<GameResult>> results;
    for (const JournalGame& game : games) {
      jobs.push_back(game.job);
      results.push_back(game.result);
    }
    return TallyPairings(kPairings, jobs, results);
  };
  std::vector<JournalGame> concatenated;
  for (const JournalFile& file : files)
    concatenated.insert(concatenated.end(), file.journal.games.begin(), file.journal.games.end());
  auto expected = tally(concatenated), tallies = tally(merged->journal.games);
  for (int p = 0; p < kPairings; p++) {
    const Tally& games = tallies[size_t(p)].games;
    EXPECT_EQ(games.wins, expected[size_t(p)].games.wins);
    EXPECT_EQ(games.draws, expected[size_t(p)].games.draws);
    EXPECT_EQ(games.losses, expected[size_t(p)].games.losses);
    EXPECT_EQ(tallies[size_t(p)].pairs.counts, expected[size_t(p)].pairs.counts);
    EXPECT_EQ(tallies[size_t(p)].pairs.Pairs(), 2);  // the lone fifth game is no pair
  }
  // Taken in turn: the first game of each journal (in the order given), then the second.
  ASSERT_GE(merged->journal.games.size(), 4u);
  EXPECT_EQ(merged->journal.games[0].job.number, GamesOf({3, 3})[0]);
  EXPECT_EQ(merged->journal.games[1].job.number, GamesOf({1, 3})[0]);
  EXPECT_EQ(merged->journal.games[3].job.number, GamesOf({3, 3})[1]);
}

TEST(JournalMerge, SaysWhichShardsTheMissingGamesBelongTo) {
  auto first = GamesOf({1, 4});
  first.pop_back();  // shard 1 is under way, shard 3 has not started
  std::vector<JournalFile> files{Read("a", JournalText({1, 4}, first)),
                                 Read("b", JournalText({2, 4}, GamesOf({2, 4}), true)),
                                 Read("c", JournalText({4, 4}, GamesOf({4, 4}), true))};
  std::string error;
  auto merged = MergeJournals(files, error);
  ASSERT_TRUE(merged) << error;
  EXPECT_FALSE(merged->journal.complete);
  EXPECT_EQ(merged->present, (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(merged->missingGames, 1 + int(GamesOf({3, 4}).size()));
  EXPECT_EQ(MissingGamesLine(*merged),
            std::to_string(merged->missingGames) +
                " games of the schedule's 15 are missing: they belong to shards 1 and 3 of 4");
  // The whole match in one journal, one game short.
  auto whole = GamesOf({});
  whole.erase(whole.begin() + 4);
  merged = MergeJournals({Read("w", JournalText({}, whole))}, error);
  ASSERT_TRUE(merged) << error;
  EXPECT_EQ(MissingGamesLine(*merged), "1 game of the schedule's 15 is missing");
}

TEST(JournalMerge, RefusesJournalsThatAreNotOneMatchCutOnce) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;  // path, text
    const char* error;
  };
  const Case cases[] = {
      {"another match",
       {{"a", JournalText({1, 2}, {0})}, {"b", JournalText({2, 2}, {2}, false, "00000000000000bb")}},
       "a and b are journals of different matches (fingerprints 00000000000000aa and 00000000000000bb)"},
      {"a shard twice",
       {{"a", JournalText({2, 3}, {})}, {"b", JournalText({2, 3}, {})}},
       "a and b are both shard 2/3 of the match"},
      {"the whole match twice",
       {{"a", JournalText({}, {0})}, {"b", JournalText({}, {1})}},
       "a and b are both the whole match"},
      {"two cuts",
       {{"a", JournalText({1, 2}, {})}, {"b", JournalText({1, 3}, {})}},
       "a is shard 1/2 of the match and b is shard 1/3 of the match: the journals of one merge come from one cut"},
      {"a whole match and a shard",
       {{"a", JournalText({}, {0, 1, 2})}, {"b", JournalText({1, 2}, {0})}},
       "a is the whole match and b is shard 1/2 of the match"},
      // Games 0, 1 and 2 (numbered from 0) are pairs 0, 1 and 2: shards 1, 2 and 1 of 2.
      {"a game twice",
       {{"a", JournalText({1, 2}, {2})}, {"b", JournalText({2, 2}, {1, 2})}},
       "game 3 is in both a and b"},
      {"a game of another shard",
       {{"a", JournalText({1, 2}, {2})}, {"b", JournalText({2, 2}, {1, 0})}},
       "b holds game 1, which shard 1 plays"},
  };
  for (const Case& c : cases) {
    std::vector<JournalFile> files;
    for (const auto& [path, text] : c.files) files.push_back(Read(path, text));
    std::string error;
    EXPECT_FALSE(MergeJournals(files, error)) << c.what;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
  }
}

}  // namespace

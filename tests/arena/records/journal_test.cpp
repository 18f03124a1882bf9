// The journal's lines: written and read back, and what a reader refuses or leaves out.
#include "arena/records/journal.h"

#include <gtest/gtest.h>

#include "arena/scripted_engine.h"

using namespace tulvo::arena;

namespace {

JournalHead Head() {
  JournalHead head;
  head.version = "9.9";
  head.settings = JsonObject{{"size", 15}, {"games", 4}, {"seed", uint64_t(18446744073709551615ull)}};
  head.fingerprint = Fingerprint(head.settings);
  head.arguments = {"-n", "4", "file:a b", "pipe:c"};
  head.directory = "/where/it ran";
  head.scheduled = 4;
  head.pairs = 2;
  head.pairings = 1;
  head.openings = 2;
  return head;
}

JournalGame Game(int number) {
  auto x = ScriptedEngine::Playing({{3, 3}, {4, 3}, {5, 3}, {6, 3}}, 12);
  auto o = ScriptedEngine::Playing({{0, 14}, {2, 14}, {4, 14}});
  GameResult result = PlayGame(x, o, 15, {{7, 3}, {7, 9}}, 100);
  result.wallMs = 40;
  return {ScheduledJob(number, 1, 2), result, "a \"quoted\" one", "c", {"games/game-0001.txt"}};
}

TEST(Journal, LinesReadBackAsWritten) {
  std::string text = HeadLine(Head()) + GameLine(Game(2)) + GameLine(Game(0)) + EndLine("schedule", 2);
  std::string error;
  std::optional<Journal> journal = ReadJournal(text, error);
  ASSERT_TRUE(journal) << error;
  EXPECT_EQ(journal->head.fingerprint, Head().fingerprint);
  EXPECT_EQ(journal->head.arguments, Head().arguments);
  EXPECT_EQ(journal->head.directory, "/where/it ran");
  EXPECT_EQ(journal->head.settings["seed"].Text(), "18446744073709551615") << "numbers keep their digits";
  ASSERT_EQ(journal->games.size(), 2u);
  const JournalGame& game = journal->games[0];
  EXPECT_EQ(game.job, ScheduledJob(2, 1, 2));
  EXPECT_EQ(game.job.pair, 1);
  EXPECT_EQ(game.x, "a \"quoted\" one");
  EXPECT_EQ(game.result.outcome, Outcome::kXWins);
  EXPECT_EQ(game.result.openingMoves, 2);
  EXPECT_EQ(game.result.moves.size(), Game(2).result.moves.size());
  EXPECT_EQ(game.result.moves[2].ms, 12);
  EXPECT_EQ(game.result.board.Rows(), Game(2).result.board.Rows());
  EXPECT_EQ(game.result.wallMs, 40);
  EXPECT_EQ(game.records, std::vector<std::string>{"games/game-0001.txt"});
  EXPECT_TRUE(journal->complete);
  EXPECT_EQ(journal->completion, "schedule");
  EXPECT_FALSE(journal->torn);
  EXPECT_EQ(journal->wholeBytes, text.size());
}

// A last line without its line end was being written when the writer was killed:
// it is left out. Anything else that is wrong refuses the journal, naming the line.
TEST(Journal, ATornLastLineIsLeftOutAndOtherFaultsAreRefused) {
  std::string whole = HeadLine(Head()) + GameLine(Game(0));
  std::string torn = GameLine(Game(1));
  torn.resize(torn.size() / 2);
  std::string error;
  std::optional<Journal> journal = ReadJournal(whole + torn, error);
  ASSERT_TRUE(journal) << error;
  EXPECT_TRUE(journal->torn);
  EXPECT_EQ(journal->games.size(), 1u);
  EXPECT_EQ(journal->wholeBytes, whole.size());

  std::string game = GameLine(Game(1));
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string line = game;
    return line.replace(line.find(from), from.size(), to);
  };
  struct Case {
    std::string text, error;
  };
  const Case cases[] = {
      {"", "it holds no whole line"},
      {"not json\n", "line 1 is no match line: a malformed value at character 1"},
      {GameLine(Game(0)), "line 1 is no match line: its event is missing or wrong"},
      {whole + torn + "\n" + game, "line 3 is no journal line: a string without its closing quote"},
      {whole + GameLine(Game(0)), "line 3 is no journal line: game 1 is in the journal twice"},
      {whole + replaced("\"game\":2", "\"game\":9"), "line 3 is no journal line: its game is missing or wrong"},
      {whole + replaced("\"pair\":0", "\"pair\":1"), "line 3 is no journal line: its place in the schedule is"},
      {whole + replaced("[7,3,0]", "[7,9,0]"), "line 3 is no journal line: its moves is missing or wrong"},
      {whole + replaced("\"five\"", "\"luck\""), "line 3 is no journal line: its reason is missing or wrong"},
      {whole + "{\"no\":\"event\"}\n", "line 3 is no journal line: its event is missing or wrong"},
  };
  for (const Case& c : cases) {
    error.clear();
    EXPECT_FALSE(ReadJournal(c.text, error)) << c.error;
    EXPECT_EQ(error.substr(0, c.error.size()), c.error);
  }
  EXPECT_TRUE(ReadJournal(whole + "{\"event\":\"later\"}\n", error)) << "events of later versions are passed over";
}

TEST(Json, ReadsWhatItWritesAndRefusesTheRest) {
  Json value =
      JsonObject{{"text", "tab\there \"q\" \\ \x01"}, {"list", JsonArray{1, -2.5, true, nullptr}}, {"inf", 1.0 / 0.0}};
  std::string error;
  std::optional<Json> back = ParseJson(value.Text(), error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, value);
  EXPECT_TRUE((*back)["inf"].IsNull()) << "JSON has no infinity";
  EXPECT_EQ(*(*back)["text"].String(), "tab\there \"q\" \\ \x01");
  EXPECT_EQ((*(*back)["list"].Array())[1].Number(), -2.5);
  EXPECT_EQ(ParseJson(" {\"a\" : [ 1 , \"\\u00e9\" ] } ", error)->Text(), "{\"a\":[1,\"\xc3\xa9\"]}");
  for (const char* bad : {"{", "[1,]", "{\"a\" 1}", "\"open", "tru", "+1", "1 2", "{a:1}", "\"\\x\"", "[[[[[[[["}) {
    EXPECT_FALSE(ParseJson(bad, error)) << bad;
  }
}

}  // namespace

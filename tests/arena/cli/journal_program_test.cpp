// The built tulvo-arena's journal: a match stopped by a signal or killed goes on
// with --resume and plays exactly the games it lacks; a resume that would change the
// match is refused; report and --json give the match's own results.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <set>

#include "arena/records/journal.h"
#include "support/program_runner.h"

using namespace tulvo::test;
using tulvo::arena::Journal;
using tulvo::arena::ReadJournal;

namespace {

const std::string kArena = ARENA_EXECUTABLE;
const std::string kFake = FAKE_ENGINE;
const std::string kJournal = "games/journal.jsonl";

ProgramRun ArenaWithErrors(const ScratchDirectory& directory, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"-c", "exec \"$0\" \"$@\" 2>&1", kArena});
  return RunProgramIn(directory.path(), "/bin/sh", arguments);
}

// Starts the arena with scratch folders under tmp/, waits until its journal holds
// lines lines (at most 30 s), sends it signal, and prints its output and its status.
ProgramRun ArenaStopped(const ScratchDirectory& directory, const std::string& signal, int lines,
                        std::vector<std::string> arguments) {
  std::filesystem::create_directory(directory.path() + "/tmp");
  const char* script =
      "arena=$0 signal=$1 lines=$2; shift 2\n"
      "TMPDIR=$PWD/tmp \"$arena\" \"$@\" > out.txt 2>&1 & pid=$!\n"
      "n=0; while [ \"$(cat games/journal.jsonl 2> /dev/null | wc -l)\" -lt \"$lines\" ] && [ $n -lt 600 ]; do\n"
      "  sleep 0.05; n=$((n + 1)); done\n"
      "kill -\"$signal\" $pid; wait $pid; status=$?; cat out.txt; echo \"status $status\"\n";
  arguments.insert(arguments.begin(), {"-c", script, kArena, signal, std::to_string(lines)});
  return RunProgramIn(directory.path(), "/bin/sh", arguments);
}

Journal ReadBack(const ScratchDirectory& directory) {
  std::string error;
  std::optional<Journal> journal = ReadJournal(directory.Read(kJournal), error);
  EXPECT_TRUE(journal) << error;
  return journal.value_or(Journal{});
}

std::set<int> GameNumbers(const Journal& journal) {
  std::set<int> numbers;
  for (const auto& game : journal.games) numbers.insert(game.job.number);
  return numbers;
}

size_t TextRecords(const ScratchDirectory& directory) {
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(directory.path() + "/games"))
    count += entry.path().extension() == ".txt";
  return count;
}

// Games that take a while, so that two are in flight when the signal comes.
const std::vector<std::string> kSlowMatch = {
    "-n", "20", "-j", "2", "-r", "games", "file:" + kFake + " file slow 15", "pipe:" + kFake + " pipe slow 15"};

TEST(ArenaJournal, SigintStopsTheMatchAndResumePlaysExactlyTheMissingGames) {
  ScratchDirectory directory;
  ProgramRun stopped = ArenaStopped(directory, "INT", 5, kSlowMatch);
  ASSERT_NE(stopped.output.find("status 130\n"), std::string::npos) << stopped.output;
  EXPECT_NE(stopped.output.find("; the journal is games/journal.jsonl. To resume:\n  " + kArena +
                                " --resume games/journal.jsonl\n"),
            std::string::npos)
      << stopped.output;
  EXPECT_NE(stopped.output.find("\npairing "), std::string::npos) << "the table so far";
  std::string text = directory.Read(kJournal);
  EXPECT_EQ(text.back(), '\n') << "whole lines only";
  Journal before = ReadBack(directory);
  EXPECT_FALSE(before.torn);
  EXPECT_FALSE(before.complete);
  EXPECT_GE(before.games.size(), 4u);
  EXPECT_LT(before.games.size(), 20u);
  EXPECT_TRUE(std::filesystem::is_empty(directory.path() + "/tmp")) << "scratch folders are removed";

  ProgramRun resumed = ArenaWithErrors(directory, {"--resume", kJournal});
  ASSERT_EQ(resumed.exitCode, 0) << resumed.output;
  EXPECT_TRUE(std::regex_search(resumed.output, std::regex("fake_engine file slow 15 - fake_engine pipe slow 15 +20 ")))
      << resumed.output;
  Journal after = ReadBack(directory);
  EXPECT_TRUE(after.complete);
  EXPECT_EQ(after.games.size(), 20u);
  EXPECT_EQ(GameNumbers(after).size(), 20u);
  EXPECT_EQ(directory.Read(kJournal).substr(0, text.size()), text) << "the resume appends";
  EXPECT_EQ(TextRecords(directory), 20u) << "every game number once";
  EXPECT_TRUE(directory.Exists("games/game-0020.txt"));
}

// After SIGKILL the arena can do nothing; a line cut off mid-write is left out on
// resume, and its game is played again.
TEST(ArenaJournal, AKilledMatchWithATornLineResumesWithoutGapsOrDoubles) {
  ScratchDirectory directory;
  std::vector<std::string> match = kSlowMatch;
  match[1] = "12";
  ProgramRun killed = ArenaStopped(directory, "KILL", 4, match);
  ASSERT_NE(killed.output.find("status 137\n"), std::string::npos) << killed.output;
  std::string text = directory.Read(kJournal);
  size_t lines = size_t(std::count(text.begin(), text.end(), '\n'));
  directory.Write(kJournal, text + "{\"event\":\"game\",\"game\":");
  ProgramRun resumed = ArenaWithErrors(directory, {"--resume", kJournal});
  ASSERT_EQ(resumed.exitCode, 0) << resumed.output;
  EXPECT_NE(resumed.output.find("tulvo-arena: the last line of games/journal.jsonl is torn"), std::string::npos)
      << resumed.output;
  Journal after = ReadBack(directory);
  EXPECT_FALSE(after.torn);
  EXPECT_EQ(after.games.size(), 12u);
  EXPECT_EQ(GameNumbers(after).size(), 12u);
  EXPECT_GE(lines, 4u);
  EXPECT_EQ(TextRecords(directory), 12u);
}

// A resume goes on with the match the journal holds, or refuses with the reason;
// one that is finished shows its table and plays nothing.
TEST(ArenaJournal, AResumeThatChangesTheMatchIsRefused) {
  ScratchDirectory directory;
  std::string file = "file:" + kFake + " file greedy", pipe = "pipe:" + kFake + " pipe greedy";
  ProgramRun match = ArenaWithErrors(directory, {"-n", "4", "-r", "games", file, pipe});
  ASSERT_EQ(match.exitCode, 0) << match.output;
  std::string text = directory.Read(kJournal);
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"-n", "6"}, "the setting 'games' (-n) is 4 in the journal but 6 here"},
      {{file, "pipe:" + kFake + " pipe greedy 11"}, "the setting 'engines' (the engines, --name, --info) is [{"},
      {{"--stats", "trinomial"}, "the setting 'stats' (--stats) is \"pentanomial\" in the journal but \"trinomial\""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"--resume", kJournal};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    ProgramRun run = ArenaWithErrors(directory, arguments);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.output.rfind("tulvo-arena: cannot resume games/journal.jsonl: " + c.message, 0), 0u) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
  }
  ProgramRun finished = ArenaWithErrors(directory, {"--resume", kJournal, "-j", "2"});
  EXPECT_EQ(finished.exitCode, 0);
  EXPECT_EQ(finished.output, match.output) << "the same table, nothing played";
  EXPECT_EQ(directory.Read(kJournal), text);
  EXPECT_FALSE(directory.Exists("games/game-0005.txt"));

  // The same journal without its last game and end line, whose engine is gone.
  std::filesystem::copy_file(kFake, directory.path() + "/engine");
  ASSERT_EQ(
      ArenaWithErrors(directory, {"-n", "2", "--journal", "gone.jsonl", file, "pipe:./engine pipe greedy"}).exitCode,
      0);
  std::string gone = directory.Read("gone.jsonl");
  directory.Write("gone.jsonl", gone.substr(0, gone.find("\n") + 1));
  std::filesystem::remove(directory.path() + "/engine");
  ProgramRun missing = ArenaWithErrors(directory, {"--resume", "gone.jsonl"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.output,
            "tulvo-arena: engine 'engine pipe greedy' cannot play: cannot start ./engine: No such file or directory\n");
}

// report prints the table the match printed, and --json the same results; its
// numbers are the table's.
TEST(ArenaJournal, ReportAndJsonGiveTheMatchsResults) {
  ScratchDirectory directory;
  ProgramRun match = RunProgramIn(directory.path(), kArena,
                                  {"-n", "6", "-r", "games", "--json", "match.json", "--sprt", "0,50",
                                   "file:" + kFake + " file greedy 9", "pipe:" + kFake + " pipe greedy 11"});
  ASSERT_EQ(match.exitCode, 0) << match.output;
  ProgramRun report = RunProgramIn(directory.path(), kArena, {"report", kJournal, "--json", "report.json"});
  ASSERT_EQ(report.exitCode, 0) << report.output;
  EXPECT_EQ(report.output, match.output);
  EXPECT_EQ(directory.Read("report.json"), directory.Read("match.json"));
  std::string error;
  auto results = tulvo::arena::ParseJson(directory.Read("report.json"), error);
  ASSERT_TRUE(results) << error;
  const auto& pairing = (*(*results)["pairings"].Array())[0];
  std::smatch row;
  ASSERT_TRUE(std::regex_search(match.output, row,
                                std::regex("- fake_engine pipe greedy 11 +([0-9]+) +([0-9]+) +([0-9]+) +([0-9]+) +[0-9.]+% +"
                                           "([-+0-9a-z]+) \\[([-+0-9a-z]+), ([-+0-9a-z]+)\\] .* pairs: ([0-9 ]+[0-9])")))
      << match.output;
  EXPECT_EQ(pairing["games"].Integer(), std::stoi(row[1]));
  EXPECT_EQ(pairing["wins"].Integer(), std::stoi(row[2]));
  EXPECT_EQ(pairing["draws"].Integer(), std::stoi(row[3]));
  EXPECT_EQ(pairing["losses"].Integer(), std::stoi(row[4]));
  auto rounded = [](const tulvo::arena::Json& elo) {
    if (elo.IsNull()) return std::string("inf");
    double value = std::round(*elo.Number());
    char text[16];
    std::snprintf(text, sizeof text, "%+.0f", value == 0 ? 0.0 : value);
    return std::string(text);
  };
  EXPECT_EQ(rounded(pairing["elo"]), row[5]);
  EXPECT_EQ(rounded((*pairing["elo_interval"].Array())[0]), row[6]);
  std::string pairs;
  for (const auto& count : *pairing["pairs"].Array()) pairs += (pairs.empty() ? "" : " ") + count.Text();
  EXPECT_EQ(pairs, row[8]);
  EXPECT_EQ(*(*results)["stats"].String(), "pentanomial");
  EXPECT_NE((*results)["sprt"]["llr"].Number(), std::nullopt);
  ProgramRun trinomial = RunProgramIn(directory.path(), kArena, {"report", kJournal, "--stats", "trinomial"});
  EXPECT_EQ(trinomial.exitCode, 0);
  EXPECT_NE(trinomial.output.find(", trinomial: "), std::string::npos) << trinomial.output;
}

}  // namespace

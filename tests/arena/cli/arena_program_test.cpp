// The built tulvo-arena: reproducible matches, parallel runs, and a short real match.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "support/frozen_clock.h"
#include "support/program_runner.h"

using namespace tulvo::test;

namespace {

const std::string kArena = ARENA_EXECUTABLE;
const std::string kFake = FAKE_ENGINE;
const std::string kTulvo = TULVO_EXECUTABLE;

ProgramRun Arena(const ScratchDirectory& directory, std::vector<std::string> arguments) {
  return RunProgramIn(directory.path(), kArena, arguments);
}

// The arena with its standard error joined to its standard output.
ProgramRun ArenaWithErrors(const ScratchDirectory& directory, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"-c", "exec \"$0\" \"$@\" 2>&1", kArena});
  return RunProgramIn(directory.path(), "/bin/sh", arguments);
}

// The directory on PATH that holds program, or "".
std::string FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream directories(path == nullptr ? "" : path);
  for (std::string directory; std::getline(directories, directory, ':');) {
    if (std::filesystem::exists(directory + "/" + program)) return directory;
  }
  return "";
}

// Every record in the directory, its move times cut off: what a replay must repeat.
std::string RecordsWithoutTimes(const ScratchDirectory& directory, const std::string& subdirectory) {
  std::string all;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory.path() + "/" + subdirectory)) {
    if (entry.path().filename().string().rfind("game-", 0) == 0) names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    all += name + "\n" + std::regex_replace(directory.Read(subdirectory + "/" + name), std::regex(",[0-9]+\n"), "\n");
  }
  return all;
}

TEST(ArenaProgram, AMatchWithAnOpeningFileRepeatsExactlyAndInParallel) {
  ScratchDirectory directory;
  directory.Write("openings.txt", "0,0 1,1\n0,0 -1,1 2,0\n# a comment\n1,0 0,2 -2,-1 0,-1\n");
  std::vector<std::string> arguments = {"-n",
                                        "4",
                                        "-o",
                                        "openings.txt",
                                        "file:" + kFake + " file greedy 9",
                                        "pipe:" + kFake + " pipe greedy 11",
                                        "pipe:" + kFake + " pipe greedy 13"};
  auto with = [&](std::vector<std::string> extra) {
    extra.insert(extra.end(), arguments.begin(), arguments.end());
    return extra;
  };
  ProgramRun first = Arena(directory, with({"-r", "first"}));
  ProgramRun again = Arena(directory, with({"-r", "again"}));
  ProgramRun parallel = Arena(directory, with({"-j", "3", "-r", "parallel"}));
  ASSERT_EQ(first.exitCode, 0) << first.output;
  EXPECT_NE(first.output.find("openings from openings.txt"), std::string::npos) << first.output;
  EXPECT_TRUE(std::regex_search(first.output, std::regex("fake_engine file greedy 9 - fake_engine pipe greedy 11 +4 ")))
      << first.output;
  EXPECT_EQ(again.output, first.output);
  EXPECT_EQ(parallel.output, first.output);
  std::string records = RecordsWithoutTimes(directory, "first");
  EXPECT_NE(records.find("game-0012.txt\n# board 15x15\n"), std::string::npos) << "12 games, one record each";
  EXPECT_EQ(RecordsWithoutTimes(directory, "again"), records);
  EXPECT_EQ(RecordsWithoutTimes(directory, "parallel"), records);
}

// tulvo seeds its random source from the clock; with the clock frozen, a match of
// two levels on random openings from a seed repeats exactly.
TEST(ArenaProgram, TulvoWithAFrozenClockRepeatsExactly) {
  if (!FrozenClockMissing().empty()) GTEST_SKIP() << FrozenClockMissing();
  ScratchDirectory directory;
  std::string frozen = "file:";
  for (const std::string& word : FrozenClockPrefix("2026-01-01 12:00:00")) frozen += "'" + word + "' ";
  frozen += kTulvo;
  std::vector<std::string> arguments = {"-n", "4", "-s", "20", "--seed", "5", frozen + " /0", frozen + " /4"};
  auto with = [&](std::vector<std::string> extra) {
    extra.insert(extra.end(), arguments.begin(), arguments.end());
    return extra;
  };
  ProgramRun first = Arena(directory, with({"-r", "first"}));
  ProgramRun parallel = Arena(directory, with({"-j", "2", "-r", "parallel"}));
  ASSERT_EQ(first.exitCode, 0) << first.output;
  EXPECT_NE(first.output.find("20x20, free style, 4 games per pairing, random openings of 4 stones, seed 5"),
            std::string::npos)
      << first.output;
  EXPECT_EQ(parallel.output, first.output);
  EXPECT_EQ(RecordsWithoutTimes(directory, "parallel"), RecordsWithoutTimes(directory, "first"));
}

// The short match CI runs: two real levels, parallel games, final boards shown.
TEST(ArenaProgram, PlaysAShortMatchBetweenTulvoLevels) {
  ScratchDirectory directory;
  ProgramRun run = Arena(directory, {"-n", "4", "-j", "2", "-b", "file:" + kTulvo + " /1", "file:" + kTulvo + " /6"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::smatch row;
  ASSERT_TRUE(std::regex_search(run.output, row, std::regex("tulvo /1 - tulvo /6 +4 +([0-9]+) +([0-9]+) +([0-9]+) ")))
      << run.output;
  EXPECT_EQ(std::stoi(row[1]) + std::stoi(row[2]) + std::stoi(row[3]), 4);
  size_t boards = 0;
  for (size_t at = run.output.find("   012345678901234\n"); at != std::string::npos;
       at = run.output.find("   012345678901234\n", at + 1)) {
    boards++;
  }
  EXPECT_EQ(boards, 4u);
}

TEST(ArenaProgram, ABadCommandLineGivesExitCode2) {
  ScratchDirectory directory;
  for (std::vector<std::string> arguments : {std::vector<std::string>{"file:a"},
                                             {"-s", "16", "file:a", "file:b"},
                                             {"-o", "missing.txt", "file:a", "file:b"}}) {
    ProgramRun run = Arena(directory, arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments[0];
    EXPECT_EQ(run.output, "") << "the message goes to standard error";
  }
  EXPECT_EQ(directory.Names(), std::vector<std::string>{});
}

// When the arena cannot make a scratch folder, it says so and stops: no engine is
// charged with a loss and no table is printed.
TEST(ArenaProgram, AnArenaFaultEndsTheMatchWithAClearMessage) {
  ScratchDirectory directory;
  ProgramRun run = RunProgramIn(directory.path(), "/bin/sh",
                                {"-c", "TMPDIR=/proc/self/status \"$0\" \"$@\" 2>&1", kArena, "-n", "2",
                                 "file:" + kFake + " file greedy", "pipe:" + kFake + " pipe greedy"});
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("tulvo-arena: cannot create a scratch folder /proc/self/status/"), std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.find("games per pairing"), std::string::npos) << run.output;
}

// Mistakes that are no misuse of the command line's form: one line each, before play.
TEST(ArenaProgram, SettingsThatCannotApplyAreOneLine) {
  ScratchDirectory directory;
  directory.Write("openings.txt", "0,0 1,1\n0,0 1,1 2,2 3,3 4,4\n");
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"--draw-after", "4"}, "--draw-after 4 must be above the opening's length: opening 1 has 4 stones"},
      {{"--draw-after=5", "-o", "openings.txt"},
       "--draw-after 5 must be above the opening's length: opening 2 has 5 stones"},
      {{"--info", "1:threads=2"},
       "--info 1:threads=... is for pipe engines; engine 1 (fake_engine file greedy) is a file engine, which is "
       "told nothing"},
      {{"-r", "openings.txt/games"}, "cannot create the records folder openings.txt/games: Not a directory"},
      {{"-r", "/proc/self"}, "cannot write into the records folder /proc/self"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"file:" + kFake + " file greedy", "pipe:" + kFake + " pipe greedy"});
    ProgramRun run = ArenaWithErrors(directory, arguments);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.output, "tulvo-arena: " + c.message + "\n");
  }
}

// A record that cannot be written mid-match (its path leads to a full device) stops
// the match as the arena's own fault, naming the file.
TEST(ArenaProgram, ARecordThatCannotBeWrittenStopsTheMatch) {
  ScratchDirectory directory;
  std::filesystem::create_directory(directory.path() + "/games");
  directory.Link("games/game-0002.psq", "/dev/full");
  ProgramRun run = ArenaWithErrors(
      directory, {"-n", "4", "-r", "games", "file:" + kFake + " file greedy", "pipe:" + kFake + " pipe greedy"});
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_EQ(run.output, "tulvo-arena: cannot write the record games/game-0002.psq; the match is stopped\n");
  EXPECT_TRUE(directory.Exists("games/game-0001.sgf"));
  EXPECT_FALSE(directory.Exists("games/game-0003.txt")) << "no game starts after the fault";
}

// Engines replay a BOARD list as the game: the stones come in the order they were
// played, the opening's first. The fake engines answer ERROR to any other order;
// here the opening's rows run against its order of play.
TEST(ArenaProgram, BoardListsTheStonesInPlayOrder) {
  ScratchDirectory directory;
  directory.Write("openings.txt", "0,0 1,-1 -1,1 2,2\n0,0 1,-1 -1,1\n");
  std::string log = directory.path() + "/received.txt";
  ProgramRun run =
      ArenaWithErrors(directory, {"-o", "openings.txt", "-n", "4", "-r", "games",
                                  "pipe:" + kFake + " pipe greedy 9 " + log, "pipe:" + kFake + " pipe greedy"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output.find("error"), std::string::npos) << run.output;
  std::string received = directory.Read("received.txt");
  EXPECT_NE(received.find("BOARD\n7,7,1\n8,6,2\n6,8,1\n9,9,2\nDONE\n"), std::string::npos) << received;
  EXPECT_NE(received.find("BOARD\n7,7,2\n8,6,1\n6,8,2\nDONE\n"), std::string::npos) << received;
}

// --name labels an engine in the table, the progress and the records; --info
// settings reach the pipe engine after the arena's own, in the order given.
TEST(ArenaProgram, NamesAndSettingsReachTheEngineTableAndRecords) {
  ScratchDirectory directory;
  std::string log = directory.path() + "/received.txt";
  ProgramRun run = Arena(directory, {"-n", "2", "-r", "games", "--name", "1=alpha", "--name=2=beta engine",
                                     "--info=2:max_memory=83886080", "--info", "2:style=calm, patient",
                                     "file:" + kFake + " file greedy", "pipe:" + kFake + " pipe greedy 9 " + log});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(std::regex_search(run.output, std::regex("\nalpha - beta engine +2 "))) << run.output;
  EXPECT_NE(directory.Read("received.txt").find("INFO rule 0\nINFO max_memory 83886080\nINFO style calm, patient\n"),
            std::string::npos)
      << directory.Read("received.txt");
  EXPECT_NE(directory.Read("games/game-0001.psq").find("\nalpha\nbeta engine\n-1\n"), std::string::npos);
  EXPECT_NE(directory.Read("games/game-0002.sgf").find("PB[beta engine]PW[alpha]"), std::string::npos);
  EXPECT_NE(directory.Read("games/game-0002.txt").find("# x beta engine\n# o alpha\n"), std::string::npos);
}

// The process groups of all processes on this machine that are still running
// (zombies, which have ended, aside), read from /proc.
std::vector<long> RunningGroups() {
  std::vector<long> groups;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) continue;
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    char state = 0;
    long parent = 0, group = 0;
    if (fields >> state >> parent >> group && state != 'Z') groups.push_back(group);
  }
  return groups;
}

// An engine started through a launcher that leaves a helper running: once the match
// is over, nothing of the launcher's process group is left, for either protocol.
// The launcher also notes where it runs: a pipe engine in the arena's folder.
TEST(ArenaProgram, NothingAnEngineStartedOutlivesItsGame) {
  ScratchDirectory directory;
  directory.Write("launch.sh", "#!/bin/sh\necho $$ >> '" + directory.path() + "/groups'\necho \"$1 $(pwd -P)\" >> '" +
                                   directory.path() + "/folders'\nsleep 300 &\nexec '" + kFake + "' \"$@\"\n");
  std::filesystem::permissions(directory.path() + "/launch.sh", std::filesystem::perms::owner_all);
  ProgramRun run = Arena(directory, {"-n", "2", "file:./launch.sh file greedy", "pipe:./launch.sh pipe greedy"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::istringstream started(directory.Read("groups"));
  std::vector<long> launchers;
  for (long group = 0; started >> group;) launchers.push_back(group);
  EXPECT_GT(launchers.size(), 4u) << "the checks before play and each move or game start the launcher";
  // A group the arena killed may take a moment to leave /proc on a loaded machine:
  // each is given up to a second before it counts as left running.
  auto running = [&](long launcher) {
    std::vector<long> groups = RunningGroups();
    return std::count(groups.begin(), groups.end(), launcher) > 0;
  };
  for (long launcher : launchers) {
    for (int poll = 0; poll < 20 && running(launcher); poll++)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(running(launcher)) << "group " << launcher << " is still running";
  }
  std::string folders = directory.Read("folders"), arena = std::filesystem::canonical(directory.path()).string();
  EXPECT_NE(folders.find("pipe " + arena + "\n"), std::string::npos) << folders;
  EXPECT_EQ(folders.find("file " + arena + "\n"), std::string::npos) << "file engines run in scratch folders";
}

TEST(ArenaProgram, TheVersionIsTheProjectsAndUnknownOptionsAreNamed) {
  ScratchDirectory directory;
  ProgramRun version = Arena(directory, {"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(std::regex_match(version.output, std::regex("tulvo-arena [0-9]+\\.[0-9]+(\\.[0-9]+)*\n")))
      << version.output;
  ProgramRun unknown = ArenaWithErrors(directory, {"--foo", "file:a", "file:b"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.output.rfind("tulvo-arena: unknown option --foo\nusage: ", 0), 0u) << unknown.output;
}

// A mistake in a file is no mistake of the command line: one line, no usage text.
TEST(ArenaProgram, ABadOpeningLineIsOneLineAndExitCode2) {
  ScratchDirectory directory;
  directory.Write("openings.txt", "0,0, 1,1\nh8 i9\n20,4 0,0\n");
  ProgramRun run = ArenaWithErrors(
      directory, {"-o", "openings.txt", "file:" + kFake + " file greedy", "file:" + kFake + " file greedy"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.output, "tulvo-arena: opening line 3: 20,4 is off the 15x15 board\n");
}

// Engine paths that are wrong from where the arena runs stop it before any game,
// with one line naming the engine, not with a table of lost games.
TEST(ArenaProgram, AnEngineThatCannotStartStopsTheMatchBeforeItBegins) {
  ScratchDirectory directory;
  for (std::string missing : {"file:build/tulvo /3", "pipe:build/pbrain-tulvo"}) {
    ProgramRun run = ArenaWithErrors(directory, {"file:" + kFake + " file greedy", missing});
    EXPECT_EQ(run.exitCode, 2) << missing;
    EXPECT_TRUE(std::regex_match(run.output, std::regex("tulvo-arena: engine '[^']+' cannot play: cannot start "
                                                        "build/[a-z-]+: No such file or directory\n")))
        << run.output;
  }
}

// The records of a real match: the SGF read back by a parser from npm gives the
// moves of the text record; the .psq gives them too, counted from 1.
TEST(ArenaProgram, RecordsReadBackInAnSgfParser) {
  ScratchDirectory directory;
  ProgramRun match = Arena(
      directory, {"-n", "2", "-r", "games", "file:" + kFake + " file greedy 9", "pipe:" + kFake + " pipe greedy 11"});
  ASSERT_EQ(match.exitCode, 0) << match.output;
  std::string text = directory.Read("games/game-0002.txt");
  std::string psq = directory.Read("games/game-0002.psq");
  std::string expectedSgf = "SZ 15\nPB fake_engine pipe greedy 11\nPW fake_engine file greedy 9\nRE ";
  std::string expectedPsq = "Piskvorky 15x15, 11:11, 0\n";
  std::smatch move;
  int number = 0;
  for (auto at = text.cbegin(); std::regex_search(at, text.cend(), move, std::regex("\n([0-9]+),([0-9]+),[0-9]+"));
       at = move[0].second, number++) {
    int x = std::stoi(move[1]), y = std::stoi(move[2]);
    expectedSgf +=
        std::string(number == 0 ? "" : "\n") + (number % 2 == 0 ? "B " : "W ") + char('a' + x) + char('a' + y);
    expectedPsq += std::to_string(x + 1) + "," + std::to_string(y + 1) + ",";
  }
  ASSERT_GT(number, 9);
  EXPECT_EQ(std::regex_replace(psq, std::regex(",[0-9]+\n"), ","),
            expectedPsq + "fake_engine pipe greedy 11\nfake_engine file greedy 9\n-1\n");
  std::string node = FindOnPath("node");
  if (node.empty()) GTEST_SKIP() << "node is not installed (scripts/install-sgf-parser.sh installs it)";
  if (!std::filesystem::exists(SGF_PARSER_DIR "/node_modules/@sabaki/sgf"))
    GTEST_SKIP() << "the SGF parser is not installed in " SGF_PARSER_DIR " (scripts/install-sgf-parser.sh)";
  ProgramRun read = RunProgramIn(directory.path(), node + "/node", {SGF_READER, SGF_PARSER_DIR, "games/game-0002.sgf"});
  ASSERT_EQ(read.exitCode, 0) << read.output;
  std::string result = read.output.substr(read.output.find("RE ") + 3, 2);
  EXPECT_TRUE(result == "B+" || result == "W+" || result == "0\n") << read.output;
  EXPECT_EQ(std::regex_replace(read.output, std::regex("RE [^\n]*\n"), "RE "), expectedSgf + "\n");
}

// A second match into the same folder numbers its records after the first's and
// says so; the first match's records stay as they were.
TEST(ArenaProgram, ASecondMatchIntoARecordsFolderKeepsTheFirstsRecords) {
  ScratchDirectory directory;
  std::vector<std::string> arguments{"-n",
                                     "2",
                                     "-r",
                                     "games",
                                     "--record-format",
                                     "txt",
                                     "file:" + kFake + " file greedy 9",
                                     "pipe:" + kFake + " pipe greedy 11"};
  ASSERT_EQ(Arena(directory, arguments).exitCode, 0);
  std::string first = RecordsWithoutTimes(directory, "games");
  ProgramRun second = ArenaWithErrors(directory, arguments);
  ASSERT_EQ(second.exitCode, 0) << second.output;
  EXPECT_NE(second.output.find("games holds records up to game-0002.*; this match's records start at game-0003.*\n"),
            std::string::npos)
      << second.output;
  std::string both = RecordsWithoutTimes(directory, "games");
  EXPECT_EQ(both.substr(0, first.size()), first);
  EXPECT_NE(both.find("game-0004.txt\n# board 15x15\n"), std::string::npos) << both;
  EXPECT_FALSE(directory.Exists("games/game-0005.txt"));
}

// Level 6 against level 0 is no close match: the SPRT accepts H1 long before the
// 10000 games it may play, and shows its ratio after every game.
TEST(ArenaProgram, AnSprtBetweenDistantLevelsStopsEarlyWithH1) {
  ScratchDirectory directory;
  ProgramRun run =
      ArenaWithErrors(directory, {"--sprt", "0,50", "-j", "2", "file:" + kTulvo + " /6", "file:" + kTulvo + " /0"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::smatch verdict;
  ASSERT_TRUE(std::regex_search(run.output, verdict,
                                std::regex("H1 accepted after ([0-9]+) games \\(LLR ([0-9.]+), "
                                           "bounds \\[-2.94, 2.94\\]\\); ([0-9]+) games played")))
      << run.output;
  int decided = std::stoi(verdict[1]), played = std::stoi(verdict[3]);
  EXPECT_GE(std::stod(verdict[2]), 2.94);
  EXPECT_LT(decided, 100);
  EXPECT_GE(played, decided);
  EXPECT_LE(played, decided + 1) << "with two games at once, at most one more is finished";
  EXPECT_NE(run.output.find("1/10000 games; last: tulvo /6 - tulvo /0 "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("; LLR "), std::string::npos) << run.output;
}

}  // namespace

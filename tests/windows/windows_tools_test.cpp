// The Windows analysis tool and match runner under Wine, compared with the Linux
// programs: the same analysis data, the same match, and faulty engines that lose.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "windows/windows_positions.h"
#include "windows/wine_runner.h"

using namespace tulvo::test;

namespace {

const std::string kLinuxAnalyze = TULVO_ANALYZE_EXECUTABLE;
const std::string kLinuxArena = TULVO_ARENA_EXECUTABLE;
const std::string kLinuxTulvo = TULVO_EXECUTABLE;
const std::string kLinuxPbrain = TULVO_PBRAIN_EXECUTABLE;
const std::string kFrozenAt = "2026-03-14 15:09:26.535";

std::string WithoutCarriageReturns(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

// Copies the built Windows programs into the directory under their own names.
void CopyWindowsPrograms(const std::string& directory, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    std::filesystem::copy_file(std::string(std::getenv("TULVO_WINDOWS_BIN")) + "/" + name, directory + "/" + name);
  }
}

ProgramRun RunWindowsIn(const std::string& directory, const std::string& program,
                        const std::vector<std::string>& arguments, const std::string& frozenAt = "") {
  std::vector<std::string> argv = {std::getenv("TULVO_WINE"), program};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return RunFrozen(directory, argv, frozenAt);
}

// Every record of a match, named, without the move times the clock decides.
std::string RecordsWithoutTimes(const ScratchDirectory& directory, const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory.path() + "/" + folder)) {
    if (entry.path().filename().string().rfind("game-", 0) == 0) names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  std::string all;
  for (const std::string& name : names) {
    all += name + "\n" + std::regex_replace(directory.Read(folder + "/" + name), std::regex(",[0-9]+\n"), "\n");
  }
  return all;
}

struct AnalyzeCase {
  int level;
  const char* seed;
};

// Every level on one seed, and two levels on the extreme seeds. The Windows tool
// finds the protocol files under upper-case names.
TEST(WindowsTools, AnalyzeTsvEqualsLinux) {
  const AnalyzeCase cases[] = {{0, "1234567"}, {1, "1234567"}, {2, "1234567"}, {3, "1234567"},   {4, "1234567"},
                               {5, "1234567"}, {6, "1234567"}, {6, "0"},       {2, "4294967295"}};
  for (const Position& p : Positions()) {
    ScratchDirectory linux, windows;
    linux.Write("plocha.dat", p.plocha);
    linux.Write("tah.dat", p.tah);
    windows.Write("PLOCHA.DAT", p.plocha);
    windows.Write("TAH.DAT", p.tah);
    CopyWindowsPrograms(windows.path(), {"tulvo-analyze.exe"});
    for (const AnalyzeCase& c : cases) {
      std::vector<std::string> options = {"--format", "tsv", "--level", std::to_string(c.level), "--seed", c.seed};
      std::vector<std::string> linuxArguments = options, windowsArguments = options;
      linuxArguments.push_back(".");
      windowsArguments.push_back(".");
      ProgramRun expected = RunProgramIn(linux.path(), kLinuxAnalyze, linuxArguments);
      ProgramRun run = RunWindowsIn(windows.path(), "tulvo-analyze.exe", windowsArguments);
      ASSERT_EQ(expected.exitCode, 0) << p.what;
      EXPECT_NE(expected.output, "") << p.what;
      EXPECT_EQ(run.exitCode, 0) << p.what;
      EXPECT_EQ(run.output, expected.output) << p.what << " at level " << c.level << ", seed " << c.seed;
    }
  }
}

// A board file given by a path with backslashes, beside its tah.dat.
TEST(WindowsTools, AnalyzeReadsABoardFileInAFolder) {
  const Position& p = Positions()[3];
  ScratchDirectory linux, windows;
  for (const ScratchDirectory* directory : {&linux, &windows}) {
    std::filesystem::create_directory(directory->path() + "/games");
    directory->Write("games/B.dat", p.plocha);
    directory->Write("games/tah.dat", p.tah);
  }
  CopyWindowsPrograms(windows.path(), {"tulvo-analyze.exe"});
  ProgramRun expected = RunProgramIn(linux.path(), kLinuxAnalyze, {"--format", "tsv", "--seed", "7", "games/B.dat"});
  ProgramRun run =
      RunWindowsIn(windows.path(), "tulvo-analyze.exe", {"--format", "tsv", "--seed", "7", "games\\B.dat"});
  ASSERT_EQ(expected.exitCode, 0);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, expected.output);
}

// The Linux arena with the Linux programs, under their Windows names so that the
// labels agree, plays the very match the Windows arena plays under Wine.
TEST(WindowsTools, ArenaMatchEqualsLinux) {
  ScratchDirectory linux, windows;
  std::filesystem::copy_file(kLinuxTulvo, linux.path() + "/tulvo.exe");
  std::filesystem::copy_file(kLinuxPbrain, linux.path() + "/pbrain-tulvo.exe");
  CopyWindowsPrograms(windows.path(), {"tulvo-arena.exe", "tulvo.exe", "pbrain-tulvo.exe"});
  std::vector<std::string> options = {"-n", "4", "-j", "2", "-r", "records"};
  std::vector<std::string> linuxArgv = {kLinuxArena}, windowsArguments = options;
  linuxArgv.insert(linuxArgv.end(), options.begin(), options.end());
  linuxArgv.insert(linuxArgv.end(), {"file:./tulvo.exe /3", "pipe:./pbrain-tulvo.exe /5"});
  windowsArguments.insert(windowsArguments.end(), {"file:tulvo.exe /3", "pipe:.\\pbrain-tulvo.exe /5"});
  ProgramRun expected = RunFrozen(linux.path(), linuxArgv, kFrozenAt);
  ProgramRun run = RunWindowsIn(windows.path(), "tulvo-arena.exe", windowsArguments, kFrozenAt);
  ASSERT_EQ(expected.exitCode, 0) << expected.output;
  EXPECT_NE(expected.output.find("tulvo.exe /3 - pbrain-tulvo.exe /5 "), std::string::npos) << expected.output;
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(WithoutCarriageReturns(run.output), expected.output);
  std::string records = RecordsWithoutTimes(linux, "records");
  EXPECT_NE(records.find("game-0004.txt\n"), std::string::npos) << records;
  EXPECT_EQ(RecordsWithoutTimes(windows, "records"), records);
}

// A fake engine that hangs, crashes or answers nonsense, through either protocol,
// loses every game with its reason. The engines sit in a folder whose name has a
// blank, given relative to the arena's folder.
TEST(WindowsTools, FaultyEnginesLoseWithTheirReason) {
  ScratchDirectory windows;
  std::filesystem::create_directory(windows.path() + "/my engines");
  CopyWindowsPrograms(windows.path(), {"tulvo-arena.exe"});
  std::filesystem::copy_file(std::string(std::getenv("TULVO_WINDOWS_BIN")) + "/fake_engine.exe",
                             windows.path() + "/my engines/fake_engine.exe");
  struct Fault {
    const char* behaviour;
    const char* reason;
  };
  const Fault faults[] = {{"timeout", "timeout"}, {"crash", "crash"}, {"malformed", "malformed move"}};
  std::vector<std::string> arguments = {"-g", "-n", "2",    "-j",
                                        "2",  "-t", "2000", "file:\"my engines/fake_engine.exe\" file greedy"};
  for (const char* protocol : {"file", "pipe"}) {
    for (const Fault& fault : faults) {
      arguments.push_back(std::string(protocol) + ":\"my engines/fake_engine.exe\" " + protocol + " " +
                          fault.behaviour);
    }
  }
  ProgramRun run = RunWindowsIn(windows.path(), "tulvo-arena.exe", arguments);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::string table = WithoutCarriageReturns(run.output);
  EXPECT_TRUE(std::regex_search(table, std::regex("\nfake_engine.exe file greedy +12 +12 +0 +0 "))) << table;
  for (const char* protocol : {"file", "pipe"}) {
    for (const Fault& fault : faults) {
      std::string row = std::string("\nfake_engine.exe ") + protocol + " " + fault.behaviour +
                        " +2 +0 +0 +2 .*five 0, " + fault.reason + " 2\n";
      EXPECT_TRUE(std::regex_search(table, std::regex(row))) << row << " in\n" << table;
    }
  }
}

// The processes still running whose command line holds word, read from /proc;
// under Wine a Windows program's command line is its own.
int RunningWith(const std::string& word) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat"), cmdline(entry.path() / "cmdline");
    std::string line, command;
    std::getline(stat, line);
    std::getline(cmdline, command, '\0');
    for (std::string argument; std::getline(cmdline, argument, '\0');) command += " " + argument;
    if (line.find(") Z ") == std::string::npos && command.find(word) != std::string::npos) count++;
  }
  return count;
}

// What engines from elsewhere need, under Wine: a slow START within the start-up
// allowance, BOARD in play order (the fake engines answer ERROR otherwise), names
// and INFO settings, pipe engines in the arena's folder, and no helper process left
// once the match is over.
TEST(WindowsTools, ArenaMeetsRealEnginesNeeds) {
  ScratchDirectory windows;
  CopyWindowsPrograms(windows.path(), {"tulvo-arena.exe", "fake_engine.exe"});
  windows.Write("openings.txt", "0,0 1,-1 -1,1 2,2\n");
  ProgramRun run =
      RunWindowsIn(windows.path(), "tulvo-arena.exe",
                   {"-n", "2", "-t", "1000", "--start-time=8000", "-o", "openings.txt", "--name", "1=late", "--info",
                    "1:style=calm", "-r", "games", "pipe:fake_engine.exe pipe late-start 1500 log.txt",
                    "pipe:fake_engine.exe pipe helper", "file:fake_engine.exe file helper"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::string table = WithoutCarriageReturns(run.output);
  EXPECT_EQ(table.rfind("15x15, free style, 2 games per pairing, openings from openings.txt, 1000 ms per move\n", 0),
            0u)
      << table;
  EXPECT_TRUE(std::regex_search(table, std::regex("\nlate - fake_engine.exe pipe helper +2 "))) << table;
  EXPECT_EQ(table.find("error"), std::string::npos) << table;
  EXPECT_EQ(table.find("timeout"), std::string::npos) << table;
  std::string log = WithoutCarriageReturns(windows.Read("log.txt"));
  EXPECT_NE(log.find("INFO rule 0\nINFO style calm\n"), std::string::npos) << log;
  EXPECT_NE(log.find("BOARD\n7,7,1\n8,6,2\n6,8,1\n9,9,2\nDONE\n"), std::string::npos) << log;
  EXPECT_NE(windows.Read("games/game-0001.sgf").find("PB[late]"), std::string::npos);
  EXPECT_EQ(RunningWith("lingering"), 0) << "a helper outlived its engine's game";
}

// Ctrl-C under Wine (its SIGINT reaches the console's control handler): the match
// stops with status 130, its journal whole, and --resume plays the games it lacks.
TEST(WindowsTools, ArenaStopsOnCtrlCAndResumes) {
  ScratchDirectory windows;
  CopyWindowsPrograms(windows.path(), {"tulvo-arena.exe", "fake_engine.exe"});
  const char* script =
      "\"$0\" tulvo-arena.exe -n 8 -j 2 -r games 'pipe:fake_engine.exe pipe slow 40' 'file:fake_engine.exe file "
      "slow 40' > out.txt 2>&1 & pid=$!\n"
      "n=0; while [ \"$(cat games/journal.jsonl 2> /dev/null | wc -l)\" -lt 3 ] && [ $n -lt 600 ]; do\n"
      "  sleep 0.05; n=$((n + 1)); done\n"
      "kill -INT $pid; wait $pid; echo \"status $?\" >> out.txt\n";
  RunProgramIn(windows.path(), "/bin/sh", {"-c", script, std::getenv("TULVO_WINE")});
  std::string stopped = WithoutCarriageReturns(windows.Read("out.txt"));
  ASSERT_NE(stopped.find("status 130\n"), std::string::npos) << stopped;
  EXPECT_TRUE(std::regex_search(stopped, std::regex("To resume:\n  \"[A-Z]:[^\n]*\\\\tulvo-arena.exe\" --resume "
                                                     "games/journal.jsonl\n")))
      << stopped;
  std::string journal = windows.Read("games/journal.jsonl");
  EXPECT_EQ(journal.back(), '\n');
  size_t before = size_t(std::count(journal.begin(), journal.end(), '\n'));
  EXPECT_LT(before, 9u) << "stopped before its eighth game";
  ProgramRun resumed = RunWindowsIn(windows.path(), "tulvo-arena.exe", {"--resume", "games/journal.jsonl"});
  ASSERT_EQ(resumed.exitCode, 0) << resumed.output;
  EXPECT_TRUE(std::regex_search(WithoutCarriageReturns(resumed.output), std::regex("slow 40 - [^\n]* +8 ")))
      << resumed.output;
  std::string all = windows.Read("games/journal.jsonl");
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 10) << "the head, 8 games and the end: " << all;
  for (int game = 1; game <= 8; game++) {
    std::string number = "\"game\":" + std::to_string(game) + ",";
    EXPECT_EQ(all.find(number), all.rfind(number)) << "game " << game << " is in the journal once";
  }
}

}  // namespace

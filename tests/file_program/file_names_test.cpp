// Protocol files named in any letter case, as managers write them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/protocol_files.h"

using namespace tulvo::test;

namespace {

const std::string kProgram = TULVO_EXECUTABLE;

// The same shape in column 2, rows 11..14: X completes five at (2, 15).
std::string ColumnFour() {
  std::string text;
  for (int y = 0; y < 20; y++) {
    std::string row(20, '-');
    if (y >= 11 && y <= 14) row[2] = 'x';
    if (y == 10) row[2] = 'o';
    if (y == 3) row[16] = 'o';
    text += row + "\n";
  }
  return text;
}

}  // namespace

TEST(FileNames, FoundInAnyLetterCase) {
  struct Case {
    const char* board;
    const char* side;
  };
  const Case cases[] = {{"PLOCHA.DAT", "TAH.DAT"}, {"Plocha.Dat", "Tah.dat"}, {"plocha.DAT", "tAH.dAT"}};
  for (const Case& c : cases) {
    ScratchDirectory dir;
    dir.Write(c.board, FiveCompletion("\r\n"));
    dir.Write(c.side, "x\r\n");
    ProgramRun run = RunProgramIn(dir.path(), kProgram, {"/5"});
    EXPECT_EQ(run.output, "") << c.board;
    EXPECT_EQ(dir.Read(c.side), "9,5") << c.side;
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{c.board, c.side})) << "no new file";
  }
}

TEST(FileNames, ExactNameWins) {
  ScratchDirectory dir;
  dir.Write("plocha.dat", FiveCompletion("\r\n"));
  dir.Write("PLOCHA.DAT", ColumnFour());
  dir.Write("tah.dat", "x");
  dir.Write("TAH.DAT", "o");
  RunProgramIn(dir.path(), kProgram, {"/2"});
  EXPECT_EQ(dir.Read("tah.dat"), "9,5");
  EXPECT_EQ(dir.Read("TAH.DAT"), "o");
}

TEST(FileNames, FirstInByteOrderAmongCaseVariants) {
  ScratchDirectory dir;
  dir.Write("Plocha.dat", FiveCompletion("\r\n"));
  dir.Write("PLOCHA.DAT", ColumnFour());  // 'L' sorts before 'l'
  dir.Write("TAH.DAT", "x");
  RunProgramIn(dir.path(), kProgram, {"/3"});
  EXPECT_EQ(dir.Read("TAH.DAT"), "2,15");
}

TEST(FileNames, ReaderMessagesWithUpperCaseNames) {
  struct Case {
    const char* what;
    const char* board;  // nullptr: no board file
    const char* side;   // nullptr: no side file
    const char* message;
  };
  const std::string board = FiveCompletion("\r\n");
  const Case cases[] = {
      {"no board", nullptr, "x", "Nelze nahrat plocha.dat!"},
      {"empty board", "", "x", "Spatna velikost plocha.dat!"},
      {"no side", board.c_str(), nullptr, "Nelze nahrat tah.dat nebo plocha.dat!"},
      {"empty side", board.c_str(), "", "Nelze nahrat tah.dat nebo plocha.dat!"},
      {"long line", "---------------------\r\n", "x", "Blbej soubor plocha.dat - moc dlouhej radek!"},
  };
  for (const Case& c : cases) {
    ScratchDirectory dir;
    if (c.board) dir.Write("PLOCHA.DAT", c.board);
    if (c.side) dir.Write("TAH.DAT", c.side);
    ProgramRun run = RunProgramIn(dir.path(), kProgram, {});
    EXPECT_EQ(run.output, std::string(c.message) + "\r\n") << c.what;
    EXPECT_EQ(run.exitCode, 0) << c.what;
    if (c.side) {
      EXPECT_EQ(dir.Read("TAH.DAT"), c.side) << c.what;
    }
    EXPECT_FALSE(dir.Exists("tah.dat")) << c.what;
  }
}

// A whole manager turn: five upper-case files, the program started with no argument
// under a level name or with /n; only TAH.DAT changes.
TEST(FileNames, ManagerTurnWithAllFiles) {
  const std::string info = "timeout_turn 5000\r\ntimeout_match 180000\r\nmax_memory 83886080\r\ngame_type 1\r\n";
  const std::string timeouts = "5\r\n180000\r\n";
  struct Case {
    const char* name;  // the program's name in the directory, "" to run it by path
    std::vector<std::string> arguments;
  };
  const Case cases[] = {{"tulvo0.exe", {}}, {"tulvo1.exe", {}}, {"tulvo4.exe", {}},
                        {"tulvo.exe", {}},  {"", {"/2"}},       {"", {"/6"}}};
  for (const Case& c : cases) {
    ScratchDirectory dir;
    dir.Write("PLOCHA.DAT", FiveCompletion("\r\n"));
    dir.Write("TAH.DAT", "x\r\n");
    dir.Write("INFO.DAT", info);
    dir.Write("TIMEOUTS.DAT", timeouts);
    dir.Write("MSG.DAT", "");
    std::string program = kProgram;
    if (*c.name != '\0') {
      dir.Link(c.name, kProgram);
      program = dir.path() + "/" + c.name;
    }
    ProgramRun run = RunProgramIn(dir.path(), program, c.arguments);
    EXPECT_EQ(run.output, "") << c.name;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(dir.Read("TAH.DAT"), "9,5") << c.name;
    EXPECT_EQ(dir.Read("PLOCHA.DAT"), FiveCompletion("\r\n"));
    EXPECT_EQ(dir.Read("INFO.DAT"), info);
    EXPECT_EQ(dir.Read("TIMEOUTS.DAT"), timeouts);
    EXPECT_EQ(dir.Read("MSG.DAT"), "");
    std::vector<std::string> expected = {"INFO.DAT", "MSG.DAT", "PLOCHA.DAT", "TAH.DAT", "TIMEOUTS.DAT"};
    if (*c.name != '\0') expected.push_back(c.name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.Names(), expected) << c.name;
  }
}

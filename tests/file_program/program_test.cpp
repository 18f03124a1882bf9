// The built file program, run in a fresh directory per case as a manager runs it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/protocol_files.h"

using namespace tulvo::test;

namespace {

const std::string kProgram = TULVO_EXECUTABLE;

// The program run with the arguments, under its own name or through a link called name.
Outcome Play(const std::string& plocha, const std::string& tah, const std::vector<std::string>& arguments,
             const std::string& name = "") {
  return PlayInScratch(plocha, tah, [&](const ScratchDirectory& dir) {
    if (name.empty()) return RunProgramIn(dir.path(), kProgram, arguments);
    dir.Link(name, kProgram);
    return RunProgramIn(dir.path(), dir.path() + "/" + name, arguments);
  });
}

}  // namespace

TEST(Program, ReaderMessagesLeaveTahUntouched) {
  struct Case {
    const char* what;
    std::string plocha;
    std::string tah;
    const char* message;
  };
  const std::string longLine = std::string(21, '-') + "\n";
  const std::string twentyLines = Rows(20);
  const Case cases[] = {
      {"empty board file", "", "x", "Spatna velikost plocha.dat!"},
      {"448 bytes", std::string(448, '-'), "x", "Spatna velikost plocha.dat!"},
      {"21 characters", longLine, "x", "Blbej soubor plocha.dat - moc dlouhej radek!"},
      {"blank after 20th", std::string(20, '-') + " \n", "x", "Blbej soubor plocha.dat - moc dlouhej radek!"},
      {"21st line", twentyLines + "-\n", "x", "Blbej soubor plocha.dat - ma prilis mnoho radku!"},
      {"control byte after 20 lines", twentyLines + "\x1a", "x", "Blbej soubor plocha.dat - ma prilis mnoho radku!"},
      {"empty tah.dat", Rows(20), "", "Nelze nahrat tah.dat nebo plocha.dat!"},
  };
  for (const Case& c : cases) {
    Outcome out = Play(c.plocha, c.tah, {"/3"});
    EXPECT_EQ(out.run.output, std::string(c.message) + "\r\n") << c.what;
    EXPECT_EQ(out.run.exitCode, 0) << c.what;
    EXPECT_EQ(out.tah, c.tah) << c.what;
  }
}

TEST(Program, MissingFiles) {
  {
    ScratchDirectory dir;
    dir.Write("tah.dat", "x\r\n");
    ProgramRun run = RunProgramIn(dir.path(), kProgram, {});
    EXPECT_EQ(run.output, "Nelze nahrat plocha.dat!\r\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(dir.Read("tah.dat"), "x\r\n");
  }
  {
    ScratchDirectory dir;
    dir.Write("plocha.dat", Rows(20));
    ProgramRun run = RunProgramIn(dir.path(), kProgram, {});
    EXPECT_EQ(run.output, "Nelze nahrat tah.dat nebo plocha.dat!\r\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(dir.Exists("tah.dat"));
  }
}

TEST(Program, UsageBannerForBadArguments) {
  for (const char* argument : {"/7", "/a", "5", ""}) {
    Outcome out = Play(FiveCompletion(), "x", {argument});
    EXPECT_EQ(out.run.output, kBannerOutput) << argument;
    EXPECT_EQ(out.run.exitCode, 0);
    EXPECT_EQ(out.tah, "x") << argument;
  }
}

TEST(Program, CompletesFiveAtEveryLevelAndArgumentForm) {
  for (const char* argument : {"/0", "/1", "/2", "/3", "/4", "/5", "/6", "x3", "-4", "/05"}) {
    Outcome out = Play(FiveCompletion(), "x\r\n", {argument});
    EXPECT_EQ(out.run.output, "") << argument;
    EXPECT_EQ(out.run.exitCode, 0);
    EXPECT_EQ(out.tah, "9,5") << argument;
  }
}

TEST(Program, LevelFromExecutableName) {
  // A link named tulvo9.exe plays at level 6 without a message; tulvo0.exe and
  // tulvo.exe play too. The five is found at every level.
  for (const char* name : {"tulvo0.exe", "tulvo.exe", "tulvo9.exe", "tulvo3.exe"}) {
    Outcome out = Play(FiveCompletion(), "x", {}, name);
    EXPECT_EQ(out.run.output, "") << name;
    EXPECT_EQ(out.tah, "9,5") << name;
  }
}

TEST(Program, ArgumentIsCheckedEvenWhenNameCarriesDigit) {
  Outcome out = Play(FiveCompletion(), "x", {"/9"}, "tulvo3.exe");
  EXPECT_EQ(out.run.output, kBannerOutput);
  EXPECT_EQ(out.tah, "x");
}

TEST(Program, Accepts447BytesAndParsesAllOfThem) {
  // 20 lines of 20 characters with CR LF are 440 bytes; 7 trailing line ends make 447.
  std::string board = FiveCompletion("\r\n") + "\r\n\r\n\r\n\n";
  ASSERT_EQ(board.size(), 447u);
  Outcome accepted = Play(board, "x", {"/2"});
  EXPECT_EQ(accepted.run.output, "");
  EXPECT_EQ(accepted.tah, "9,5");

  std::string faulty = board;
  faulty[446] = '-';  // the last byte is a 21st line
  Outcome rejected = Play(faulty, "x", {"/2"});
  EXPECT_EQ(rejected.run.output, "Blbej soubor plocha.dat - ma prilis mnoho radku!\r\n");
  EXPECT_EQ(rejected.tah, "x");
}

TEST(Program, LineEndsDoNotChangeTheMove) {
  for (const char* end : {"\n", "\r\n", "\r"}) {
    Outcome out = Play(FiveCompletion(end), "x", {"/4"});
    EXPECT_EQ(out.tah, "9,5") << int(end[0]);
  }
}

TEST(Program, EmptyBoardPlaysCentre) {
  EXPECT_EQ(Play(Rows(20), "o", {"/3"}).tah, "9,9");
  EXPECT_EQ(Play(Rows(15), "x", {"/3"}).tah, "7,7");
  EXPECT_EQ(Play(Rows(15, "\r\n"), "x", {}).tah, "7,7");
}

TEST(Program, UpperCaseXInTahMeansOToMove) {
  // O to move: O cannot make five at (9, 5) but must block it there.
  Outcome out = Play(FiveCompletion(), "X", {"/2"});
  EXPECT_EQ(out.tah, "9,5");
}

TEST(Program, FullBoardWritesNothing) {
  std::string text;
  for (int y = 0; y < 20; y++) {
    std::string row;
    for (int x = 0; x < 20; x++) row += ((x / 2 + y) % 2) ? 'x' : 'o';
    text += row + "\n";
  }
  Outcome out = Play(text, "x\n", {"/6"});
  EXPECT_EQ(out.run.output, "");
  EXPECT_EQ(out.run.exitCode, 0);
  EXPECT_EQ(out.tah, "x\n");
}

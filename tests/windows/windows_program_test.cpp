// The Windows file program run through Wine as a manager runs it: a copy of the
// executable in a fresh directory, usually without an argument.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/program_runner.h"
#include "support/protocol_files.h"
#include "windows/windows_positions.h"
#include "windows/wine_runner.h"

using namespace tulvo::test;

namespace {

const std::string kLinuxProgram = TULVO_EXECUTABLE;

Outcome PlayWindows(const std::string& plocha, const std::string& tah, const std::vector<std::string>& arguments,
                    const std::string& name = "tulvo.exe", const std::string& frozenAt = "") {
  return PlayInScratch(plocha, tah, [&](const ScratchDirectory& dir) {
    return RunWindows(dir, {"tulvo.exe", name, arguments, frozenAt, ""});
  });
}

Outcome PlayLinux(const std::string& plocha, const std::string& tah, const std::vector<std::string>& arguments,
                  const std::string& frozenAt) {
  std::vector<std::string> argv = {kLinuxProgram};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return PlayInScratch(plocha, tah, [&](const ScratchDirectory& dir) { return RunFrozen(dir.path(), argv, frozenAt); });
}

std::string LevelArgument(int level) { return {'/', char('0' + level)}; }

// Seeds 0, a mid-day value and the last millisecond of the day.
const std::vector<std::string> kFrozenTimes = {"2026-01-01 00:00:00", "2026-03-14 15:09:26.535",
                                               "2026-12-31 23:59:59.999"};

// The move tulvo writes on Linux for a position, level argument and frozen time.
std::string LinuxMove(size_t position, const std::string& argument, const std::string& frozenAt) {
  static std::map<std::tuple<size_t, std::string, std::string>, std::string> moves;
  auto key = std::make_tuple(position, argument, frozenAt);
  auto found = moves.find(key);
  if (found != moves.end()) return found->second;
  const Position& p = Positions()[position];
  Outcome out = PlayLinux(p.plocha, p.tah, {argument}, frozenAt);
  EXPECT_EQ(out.run.output, "") << p.what;
  return moves[key] = out.tah;
}

}  // namespace

TEST(WindowsProgram, MessagesEndWithCrLfAndLeaveTahUntouched) {
  struct Case {
    const char* what;
    std::string plocha;
    std::string tah;
    std::vector<std::string> arguments;
    const char* output;
    const char* name = "tulvo.exe";
  };
  const std::string twentyLines = Rows(20, "\r\n");
  const Case cases[] = {
      {"empty board file", "", "x\r\n", {}, "Spatna velikost plocha.dat!\r\n"},
      {"448 bytes", std::string(448, '-'), "x", {}, "Spatna velikost plocha.dat!\r\n"},
      {"21 characters", std::string(21, '-') + "\r\n", "x", {"/3"}, "Blbej soubor plocha.dat - moc dlouhej radek!\r\n"},
      {"21st line", twentyLines + "-\r\n", "o", {}, "Blbej soubor plocha.dat - ma prilis mnoho radku!\r\n"},
      {"end-of-file byte", twentyLines + "\x1a", "x", {}, "Blbej soubor plocha.dat - ma prilis mnoho radku!\r\n"},
      {"empty tah.dat", twentyLines, "", {}, "Nelze nahrat tah.dat nebo plocha.dat!\r\n"},
      {"/7", FiveCompletion(), "x", {"/7"}, kBannerOutput.c_str()},
      {"/a", FiveCompletion(), "x\r\n", {"/a"}, kBannerOutput.c_str()},
      {"one character", FiveCompletion(), "x", {"5"}, kBannerOutput.c_str()},
      {"empty argument", FiveCompletion(), "x", {""}, kBannerOutput.c_str()},
      {"digit in name, bad argument", FiveCompletion(), "x", {"/9"}, kBannerOutput.c_str(), "tulvo3.exe"},
  };
  for (const Case& c : cases) {
    Outcome out = PlayWindows(c.plocha, c.tah, c.arguments, c.name);
    EXPECT_EQ(out.run.output, c.output) << c.what;
    EXPECT_EQ(out.run.exitCode, 0) << c.what;
    EXPECT_EQ(out.tah, c.tah) << c.what;
  }
}

TEST(WindowsProgram, MissingFiles) {
  {
    ScratchDirectory dir;
    dir.Write("tah.dat", "x\r\n");
    ProgramRun run = RunWindows(dir, {"tulvo.exe", "tulvo.exe", {}, "", ""});
    EXPECT_EQ(run.output, "Nelze nahrat plocha.dat!\r\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(dir.Read("tah.dat"), "x\r\n");
  }
  {
    ScratchDirectory dir;  // a folder is no board file
    std::filesystem::create_directory(dir.path() + "/plocha.dat");
    dir.Write("tah.dat", "x");
    ProgramRun run = RunWindows(dir, {"tulvo.exe", "tulvo.exe", {}, "", ""});
    EXPECT_EQ(run.output, "Nelze nahrat plocha.dat!\r\n");
    EXPECT_EQ(dir.Read("tah.dat"), "x");
  }
  {
    ScratchDirectory dir;
    dir.Write("plocha.dat", Rows(20));
    ProgramRun run = RunWindows(dir, {"tulvo.exe", "tulvo.exe", {}, "", ""});
    EXPECT_EQ(run.output, "Nelze nahrat tah.dat nebo plocha.dat!\r\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(dir.Exists("tah.dat"));
  }
}

TEST(WindowsProgram, WritesExactlyTheMoveBytes) {
  struct Case {
    const char* what;
    std::string plocha;
    std::string tah;
    std::vector<std::string> arguments;
    const char* move;
  };
  std::string board447 = FiveCompletion("\r\n") + "\r\n\r\n\r\n\n";
  ASSERT_EQ(board447.size(), 447u);
  const Case cases[] = {
      {"five, longer tah.dat", FiveCompletion("\r\n"), "x\r\n", {}, "9,5"},
      {"five, LF lines", FiveCompletion(), "x", {"/2"}, "9,5"},
      {"O blocks the five", FiveCompletion(), "X", {"/4"}, "9,5"},
      {"447 bytes", board447, "x", {"/3"}, "9,5"},
      {"empty 20 x 20", Rows(20, "\r\n"), "o", {}, "9,9"},
      {"empty 15 x 15", Rows(15, "\r\n"), "x", {"/0"}, "7,7"},
  };
  for (const Case& c : cases) {
    Outcome out = PlayWindows(c.plocha, c.tah, c.arguments);
    EXPECT_EQ(out.run.output, "") << c.what;
    EXPECT_EQ(out.run.exitCode, 0) << c.what;
    EXPECT_EQ(out.tah, c.move) << c.what;
  }
}

TEST(WindowsProgram, FindsProtocolFilesWhateverTheirLetterCase) {
  ScratchDirectory dir;
  dir.Write("PLOCHA.DAT", FiveCompletion("\r\n"));
  dir.Write("Tah.Dat", "x\r\n");
  ProgramRun run = RunWindows(dir, {"tulvo.exe", "tulvo.exe", {}, "", ""});
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(dir.Read("Tah.Dat"), "9,5");
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"PLOCHA.DAT", "Tah.Dat", "tulvo.exe"}));
}

// Under the same frozen clock the Windows program, given the level as /n, writes
// the move the Linux program writes, at every level.
TEST(WindowsProgram, SameMovesAsLinuxUnderFrozenClock) {
  for (size_t i = 0; i < Positions().size(); i++) {
    const Position& p = Positions()[i];
    for (int level = 0; level <= 6; level++) {
      std::string argument = LevelArgument(level);
      for (const std::string& frozenAt : kFrozenTimes) {
        Outcome out = PlayWindows(p.plocha, p.tah, {argument}, "tulvo.exe", frozenAt);
        EXPECT_EQ(out.run.output, "");
        EXPECT_EQ(out.tah, LinuxMove(i, argument, frozenAt)) << p.what << " " << argument << " at " << frozenAt;
      }
    }
  }
}

// The comparison above can only fail where the move depends on the seed and on the
// level: check that the positions make both matter.
TEST(WindowsProgram, ComparedMovesDependOnSeedAndLevel) {
  std::set<std::string> openingMoves;
  for (const std::string& frozenAt : kFrozenTimes) openingMoves.insert(LinuxMove(0, "/6", frozenAt));
  EXPECT_GT(openingMoves.size(), 1u) << "the one-stone opening ignores the clock";

  std::set<std::string> movesPerLevel;
  std::string table;
  for (int level = 0; level <= 6; level++) {
    std::string moves;
    for (size_t i = 0; i < Positions().size(); i++)
      moves.append(LinuxMove(i, LevelArgument(level), kFrozenTimes[1])).append(" ");
    movesPerLevel.insert(moves);
    table.append("\n").append(LevelArgument(level)).append(": ").append(moves);
  }
  EXPECT_EQ(movesPerLevel.size(), 7u) << "some levels play alike on every position:" << table;
}

// Without an argument the level is the digit before ".exe"; tulvo.exe and tulvo9.exe
// play at 6. Arguments are split from the Windows command line.
TEST(WindowsProgram, LevelFromExecutableNameAndArgumentForms) {
  struct Case {
    std::string name;
    std::vector<std::string> arguments;
    std::string linuxArgument;
  };
  std::vector<Case> cases = {
      {"tulvo.exe", {}, "/6"},           {"tulvo9.exe", {}, "/6"},     {"tulvo3.exe", {"x5"}, "/5"},
      {"tulvo.exe", {"-2"}, "/2"},       {"tulvo.exe", {"/05"}, "/0"}, {"tulvo.exe", {"/4 blank"}, "/4"},
      {"tulvo.exe", {"/1", "/3"}, "/1"},
  };
  for (char digit = '0'; digit <= '6'; digit++)
    cases.push_back({std::string("tulvo") + digit + ".exe", {}, {'/', digit}});
  for (const Case& c : cases) {
    for (size_t i = 0; i < Positions().size(); i++) {
      const Position& p = Positions()[i];
      Outcome out = PlayWindows(p.plocha, p.tah, c.arguments, c.name, kFrozenTimes[1]);
      EXPECT_EQ(out.run.output, "") << c.name;
      EXPECT_EQ(out.tah, LinuxMove(i, c.linuxArgument, kFrozenTimes[1])) << c.name << " on " << p.what;
    }
  }
}

// The Windows pipe program run through Wine on scripted sessions, compared byte for
// byte with the Linux pipe program under the same frozen clock.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "windows/wine_runner.h"

using namespace tulvo::test;

namespace {

const std::string kLinuxProgram = TULVO_PBRAIN_EXECUTABLE;

std::string Script(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

ProgramRun SessionWindows(const std::string& input, const std::vector<std::string>& arguments,
                          const std::string& frozenAt = "", const std::string& name = "pbrain-tulvo.exe") {
  ScratchDirectory dir;
  return RunWindows(dir, {"pbrain-tulvo.exe", name, arguments, frozenAt, input});
}

ProgramRun SessionLinux(const std::string& input, const std::vector<std::string>& arguments,
                        const std::string& frozenAt) {
  ScratchDirectory dir;
  std::vector<std::string> argv = {kLinuxProgram};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return RunFrozen(dir.path(), argv, frozenAt, input);
}

// A game with moves that depend on the level and on the seed (a lone stone at the
// edge), refused commands, a take-back, a new game on a smaller board and a BOARD
// position.
const std::string kGame = Script({
    "START 20",        "BEGIN",     "TURN 10,10", "TURN 8,8",  "TURN 11,9", "TURN 9,11", "TURN 12,12",
    "TAKEBACK 12,12",  "TURN 7,10", "ABOUT",      "RESTART",   "TURN 0,0",  "TURN 3,3",  "INFO rule 4",
    "RECTSTART 15,15", "BOARD",     "5,5,1",      "6,6,2",     "7,5,1",     "8,8,2",     "6,4,1",
    "9,6,2",           "DONE",      "FROBNICATE", "TURN 20,0", "TURN 6,5",  "END",       "BEGIN",
});

const std::vector<std::string> kFrozenTimes = {"2026-01-01 00:00:00", "2026-03-14 15:09:26.535",
                                               "2026-12-31 23:59:59.999"};

}  // namespace

TEST(WindowsPbrain, ScriptedSessionAnswers) {
  ProgramRun run =
      SessionWindows(Script({"START 20", "BEGIN", "RESTART", "BOARD", "5,5,1", "6,5,1", "7,5,1", "8,5,1", "4,5,2",
                             "10,10,2", "DONE", "TAKEBACK 9,5", "TAKEBACK 9,5", "PLAY 1,1", "END", "BEGIN"}),
                     {});
  EXPECT_EQ(run.output,
            "OK\n9,9\nOK\n9,5\nOK\nERROR cell 9,5 is empty: nothing to take back\n"
            "UNKNOWN command 'PLAY' is not supported\n");
  EXPECT_EQ(run.exitCode, 0);
}

// Input bytes reach the program unchanged: a Ctrl-Z is data, not the end of input.
TEST(WindowsPbrain, ControlZInInputIsData) {
  ProgramRun run = SessionWindows(
      "START 20\r\nA\x1a"
      "B\r\nBEGIN\r\n",
      {});
  EXPECT_EQ(run.output, "OK\nUNKNOWN command 'A?B' is not supported\n9,9\n");
  EXPECT_EQ(run.exitCode, 0);
}

TEST(WindowsPbrain, SameSessionAsLinuxUnderFrozenClock) {
  std::set<std::string> transcripts;
  for (int level = 0; level <= 6; level++) {
    std::string argument = {'/', char('0' + level)};
    for (const std::string& frozenAt : kFrozenTimes) {
      ProgramRun linux = SessionLinux(kGame, {argument}, frozenAt);
      ProgramRun windows = SessionWindows(kGame, {argument}, frozenAt);
      EXPECT_EQ(windows.output, linux.output) << argument << " at " << frozenAt;
      EXPECT_EQ(windows.exitCode, 0);
      transcripts.insert(linux.output);
    }
  }
  // Otherwise a Windows program that ignored its level or its clock could still pass.
  EXPECT_GT(transcripts.size(), 7u);
}

// Without an argument the level is the digit before ".exe"; a bad argument gives the
// banner and exit status 2 even when the name carries a digit.
TEST(WindowsPbrain, LevelFromNameAndBadArgument) {
  const std::string frozenAt = kFrozenTimes[1];
  struct Case {
    std::string name;
    std::vector<std::string> arguments;
    std::string linuxArgument;
  };
  std::vector<Case> cases = {{"pbrain-tulvo.exe", {}, "/6"},
                             {"pbrain-tulvo9.exe", {}, "/6"},
                             {"pbrain-tulvo3.exe", {"/9"}, "/9"},
                             {"pbrain-tulvo.exe", {"x2"}, "/2"}};
  for (char digit = '0'; digit <= '6'; digit++)
    cases.push_back({std::string("pbrain-tulvo") + digit + ".exe", {}, {'/', digit}});
  for (const Case& c : cases) {
    ProgramRun linux = SessionLinux(kGame, {c.linuxArgument}, frozenAt);
    ProgramRun windows = SessionWindows(kGame, c.arguments, frozenAt, c.name);
    EXPECT_EQ(windows.output, linux.output) << c.name;
    EXPECT_EQ(windows.exitCode, linux.exitCode) << c.name;
  }
}

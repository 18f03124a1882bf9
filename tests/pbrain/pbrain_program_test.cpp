// Scripted sessions through the built pipe program: whole input in, every answer out.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/program_runner.h"

using namespace tulvo::test;

namespace {

const std::string kProgram = PBRAIN_EXECUTABLE;

ProgramRun Session(const std::string& input, const std::vector<std::string>& arguments = {}) {
  ScratchDirectory dir;
  return RunProgramIn(dir.path(), kProgram, arguments, input);
}

// The lines of a script joined with CR LF, as managers send them.
std::string Script(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// The last line of the output, with its line end.
std::string LastLine(const std::string& output) {
  size_t end = output.size() < 2 ? std::string::npos : output.rfind('\n', output.size() - 2);
  return end == std::string::npos ? output : output.substr(end + 1);
}

// Sessions whose answers do not depend on the clock.
TEST(PbrainProgram, DeterministicSessions) {
  struct Case {
    const char* what;
    std::vector<std::string> input;
    std::string output;
  } cases[] = {
      {"BEGIN on an empty 20 board", {"START 20", "BEGIN"}, "OK\n9,9\n"},
      {"BOARD on an empty board", {"START 20", "BOARD", "DONE"}, "OK\n9,9\n"},
      {"RECTSTART square", {"RECTSTART 15,15", "BEGIN"}, "OK\n7,7\n"},
      {"RESTART empties the board", {"START 20", "BEGIN", "RESTART", "BEGIN"}, "OK\n9,9\nOK\n9,9\n"},
      {"TAKEBACK empties the cell",
       {"START 20", "BEGIN", "TAKEBACK 9,9", "TAKEBACK 9,9", "BEGIN"},
       "OK\n9,9\nOK\nERROR cell 9,9 is empty: nothing to take back\n9,9\n"},
      {"BOARD with a four to complete",
       {"START 20", "BOARD", "5,5,1", "6,5,1", "7,5,1", "8,5,1", "4,5,2", "10,10,2", "DONE"},
       "OK\n9,5\n"},
      {"BOARD stones in any order and lower case",
       {"start 20", "board", "10,10,2", "8,5,1", "4,5,2", "7,5,1", "6,5,1", "5,5,1", "done"},
       "OK\n9,5\n"},
      {"blanks around commands and numbers",
       {"  START   20  ", " BOARD", " 5 , 5 , 1 ", "6,5,1", "7,5,1", "8,5,1", "4,5,2", "10,10,2", "\tDONE\t"},
       "OK\n9,5\n"},
      {"blank lines are ignored", {"", "START 20", "   ", "", "BEGIN"}, "OK\n9,9\n"},
      {"END exits at once", {"START 20", "END", "BEGIN", "ABOUT"}, "OK\n"},
      {"INFO answers only a rule other than free style, once",
       {"INFO timeout_turn 5000", "INFO rule 4", "INFO rule 4", "INFO rule 1", "INFO rule 1", "INFO rule 0",
        "INFO rule 2", "INFO folder C:\\temp dir", "INFO", "INFO evaluate 3,4", "INFO rule x"},
       "MESSAGE rule 4 is not applied: tulvo plays free style, without its restrictions\n"
       "MESSAGE rule 1 is not applied: tulvo plays free style, so its winning move may be a line of six or more, "
       "which does not win under exactly five\n"
       "MESSAGE rule 2 is not applied: tulvo plays free style, without its restrictions\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Session(Script(c.input));
    EXPECT_EQ(run.output, c.output) << c.what;
    EXPECT_EQ(run.exitCode, 0) << c.what;
  }
}

// One stone at the edge: the answer is one of the four cells at the centre, whatever
// the clock gives as seed.
TEST(PbrainProgram, TurnRightAfterStart) {
  for (int run = 0; run < 4; run++) {
    std::string output = Session(Script({"START 20", "TURN 0,0"})).output;
    EXPECT_TRUE(std::regex_match(output, std::regex("OK\n(9|10),(9|10)\n"))) << output;
  }
}

TEST(PbrainProgram, ErrorPathsAnswerAndKeepTheGame) {
  struct Case {
    std::vector<std::string> input;
    std::string answer;  // the answer to the last line
  } cases[] = {
      {{"START 4"}, "ERROR unsupported board size 4: tulvo plays square boards of 5 to 20"},
      {{"START 21"}, "ERROR unsupported board size 21: tulvo plays square boards of 5 to 20"},
      {{"START"}, "ERROR malformed START '': expected START n"},
      {{"START twenty"}, "ERROR malformed START 'twenty': expected START n"},
      {{"RECTSTART 15,20"}, "ERROR unsupported board 15x20: tulvo plays square boards of 5 to 20"},
      {{"RECTSTART 4,4"}, "ERROR unsupported board 4x4: tulvo plays square boards of 5 to 20"},
      {{"RECTSTART 15"}, "ERROR malformed RECTSTART '15': expected RECTSTART w,h"},
      {{"BEGIN"}, "ERROR no game started: send START first"},
      {{"RESTART"}, "ERROR no game started: send START first"},
      {{"TURN 3,3"}, "ERROR no game started: send START first"},
      {{"START 20", "TURN 20,0"}, "ERROR cell 20,0 is outside the 20x20 board"},
      {{"START 15", "TURN 3,-1"}, "ERROR cell 3,-1 is outside the 15x15 board"},
      {{"START 20", "TURN 3"}, "ERROR malformed TURN '3': expected TURN x,y"},
      {{"START 20", "TURN a,b"}, "ERROR malformed TURN 'a,b': expected TURN x,y"},
      {{"START 20", "BEGIN", "TURN 9,9"}, "ERROR cell 9,9 is already occupied"},
      {{"START 20", "TAKEBACK 4,4"}, "ERROR cell 4,4 is empty: nothing to take back"},
      {{"START 20", "TAKEBACK 4"}, "ERROR malformed TAKEBACK '4': expected TAKEBACK x,y"},
      {{"START 20", "BOARD", "20,1,1"}, "ERROR board line '20,1,1': cell 20,1 is outside the 20x20 board"},
      {{"START 20", "BOARD", "1,1,1", "1,1,2"}, "ERROR board line '1,1,2': cell 1,1 is already occupied"},
      {{"START 20", "BOARD", "1,1,4"}, "ERROR board line '1,1,4': f must be 1, 2 or 3"},
      {{"START 20", "BOARD", "1,1"}, "ERROR malformed board line '1,1': expected x,y,f or DONE"},
      {{"START 20", "BOARD", "TURN 1,1"}, "ERROR malformed board line 'TURN 1,1': expected x,y,f or DONE"},
      {{"FROBNICATE 3"}, "UNKNOWN command 'FROBNICATE' is not supported"},
      {{"PLAY 3,3"}, "UNKNOWN command 'PLAY' is not supported"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Session(Script(c.input));
    EXPECT_EQ(LastLine(run.output), c.answer + "\n") << c.input.back();
    EXPECT_EQ(run.exitCode, 0);
  }
}

// Refused stones change nothing: with any of them taken in, the move would differ.
TEST(PbrainProgram, RefusedStonesLeaveThePositionAsBefore) {
  ProgramRun run = Session(Script({"START 20", "BOARD", "5,5,1", "6,5,1", "7,5,1", "8,5,1", "4,5,2", "5,5,2", "9,5,7",
                                   "25,5,2", "9,5", "9;5;2", "10,10,2", "DONE", "TURN 6,5", "TURN 9,5"}));
  EXPECT_EQ(run.output,
            "OK\n"
            "ERROR board line '5,5,2': cell 5,5 is already occupied\n"
            "ERROR board line '9,5,7': f must be 1, 2 or 3\n"
            "ERROR board line '25,5,2': cell 25,5 is outside the 20x20 board\n"
            "ERROR malformed board line '9,5': expected x,y,f or DONE\n"
            "ERROR malformed board line '9;5;2': expected x,y,f or DONE\n"
            "9,5\n"
            "ERROR cell 6,5 is already occupied\n"
            "ERROR cell 9,5 is already occupied\n");
}

// A board line "x,y,f" for each cell of the 5x5 board that f gives a value for.
std::vector<std::string> BoardOf(int (*f)(int x, int y)) {
  std::vector<std::string> lines = {"START 5", "BOARD"};
  for (int x = 0; x < 5; x++)
    for (int y = 0; y < 5; y++)
      if (f(x, y) != 0) lines.push_back(std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(f(x, y)));
  lines.push_back("DONE");
  return lines;
}

// A board drawn by a function giving each cell's value, and the answer after "OK".
struct BoardCase {
  const char* what;
  int (*f)(int x, int y);
  const char* answer;
};

void ExpectAnswers(std::initializer_list<BoardCase> cases) {
  for (const BoardCase& c : cases)
    EXPECT_EQ(Session(Script(BoardOf(c.f))).output, "OK\n" + std::string(c.answer) + "\n") << c.what;
}

TEST(PbrainProgram, NoPlayableCellAnswersErrorNotAMove) {
  ExpectAnswers({
      {"full of stones", [](int x, int y) { return 1 + (x + y) % 2; }, "ERROR the board is full: no move left"},
      {"full of blocked cells", [](int, int) { return 3; }, "ERROR the board is full: no move left"},
      {"stones walled in by blocked cells", [](int x, int y) { return x + y <= 1         ? 1 + x
                                                                      : x <= 3 && y <= 3 ? 3
                                                                                         : 0; },
       "ERROR the engine found no free cell within two cells of a stone"},
  });
}

// A board without stones whose centre is blocked: the centre's first free neighbour
// in direction order (right, down-right, down, ...), else the first free cell.
TEST(PbrainProgram, BlockedCentreIsRepairedAsInTheOtherOpenings) {
  ExpectAnswers({
      {"centre", [](int x, int y) { return x == 2 && y == 2 ? 3 : 0; }, "3,2"},
      {"centre and right", [](int x, int y) { return y == 2 && (x == 2 || x == 3) ? 3 : 0; }, "3,3"},
      {"centre and every neighbour", [](int x, int y) { return abs(x - 2) <= 1 && abs(y - 2) <= 1 ? 3 : 0; }, "0,0"},
  });
  EXPECT_EQ(Session(Script({"START 15", "BOARD", "7,7,3", "DONE"})).output, "OK\n8,7\n");
}

TEST(PbrainProgram, LineEndsAllGiveTheSameSession) {
  std::vector<std::string> lines = {"START 20", "BOARD",   "5,5,1", "6,5,1",        "7,5,1", "8,5,1",
                                    "4,5,2",    "10,10,2", "DONE",  "TAKEBACK 9,5", "ABOUT"};
  std::string expected = Session(Script(lines, "\n")).output;
  EXPECT_NE(expected.find("9,5\nOK\nname="), std::string::npos) << expected;
  for (const char* end : {"\r\n", "\r", "\n\n", "\r\n\r\n"}) EXPECT_EQ(Session(Script(lines, end)).output, expected);
  // Without a line end after the last command, the end of input closes the line.
  std::string unfinished = Script(lines, "\r\n");
  unfinished.resize(unfinished.size() - 2);
  EXPECT_EQ(Session(unfinished).output, expected);
}

TEST(PbrainProgram, OverlongLinesAndBinaryBytesDoNotHurt) {
  std::string huge(3000000, 'A');
  std::string noise;
  for (int b = 0; b < 256; b++)
    if (b != '\r' && b != '\n') noise.push_back(char(b));
  ProgramRun run = Session("START 20\r\n" + huge + "\r\n" + noise + "\r\nturn " + huge + "\r\nBEGIN\r\n");
  EXPECT_EQ(run.output,
            "OK\nERROR line longer than 65536 bytes ignored\n"
            "UNKNOWN command '" +
                std::string(9, '?') +
                "' is not supported\n"
                "ERROR line longer than 65536 bytes ignored\n9,9\n");
  EXPECT_EQ(run.exitCode, 0);
}

TEST(PbrainProgram, AboutNamesTheEngine) {
  ProgramRun run = Session("ABOUT\r\n");
  std::regex about(R"(name="tulvo", version="[0-9.]+", author="[^"]+", country="[^"]+"\n)");
  EXPECT_TRUE(std::regex_match(run.output, about)) << run.output;
}

TEST(PbrainProgram, EndOfInputEndsTheProgram) {
  ProgramRun run = Session("");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
}

TEST(PbrainProgram, BadArgumentGivesTheBannerAndStatusTwo) {
  const std::string banner =
      "Tulvo algoritmus " TULVO_VERSION
      " by the tulvo developers\n"
      "Pouziti: \"pbrain-tulvo /n\" kde n je cislo AI od 0 do 6. 6 je default.\n"
      "Nebo prejmenovat na pbrain-tulvo0 ... pbrain-tulvo6 (pbrain-tulvo0.exe ... pbrain-tulvo6.exe)\n";
  for (const char* argument : {"/7", "/a", "5"}) {
    ProgramRun run = Session("START 20\r\nBEGIN\r\n", {argument});
    EXPECT_EQ(run.output, banner) << argument;
    EXPECT_EQ(run.exitCode, 2) << argument;
  }
  EXPECT_EQ(Session("START 20\r\nBEGIN\r\n", {"/0"}).output, "OK\n9,9\n");
}

TEST(PbrainProgram, LongOptionsAreAnsweredAndNeverTakenForALevel) {
  ProgramRun help = Session("", {"--help"});
  EXPECT_EQ(help.output.rfind("Usage: pbrain-tulvo ", 0), 0u) << help.output;
  EXPECT_EQ(help.exitCode, 0);
  ProgramRun version = Session("START 20\r\n", {"--version"});
  EXPECT_EQ(version.output, "pbrain-tulvo " TULVO_VERSION "\n");
  EXPECT_EQ(version.exitCode, 0);
  // Standard error joined to standard output: the unknown option named, no session.
  ScratchDirectory dir;
  ProgramRun unknown = RunProgramIn(dir.path(), "/bin/sh", {"-c", "exec \"$0\" --foo 2>&1", kProgram}, "START 20\r\n");
  EXPECT_EQ(unknown.output, "pbrain-tulvo: unknown option '--foo' (see --help)\n");
  EXPECT_EQ(unknown.exitCode, 2);
  // An argument with one dash is still a level.
  EXPECT_EQ(Session("START 20\r\nBEGIN\r\n", {"-0"}).output, "OK\n9,9\n");
}

}  // namespace

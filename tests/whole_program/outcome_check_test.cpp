// The outcome check used by the invariant sweep and the fuzzer rejects every wrong end
// of a run, so that a sweep that passes means something.
#include "support/outcome_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "file_protocol/board_text.h"
#include "support/engine_fixture.h"

using namespace tulvo::test;
using namespace tulvo::file_protocol;

namespace {

// X four at (5..8, 5), O at (4, 5) and (10, 10): the move is (9, 5) at every level.
ProgramSetup FiveCompletion() {
  std::vector<std::string> rows = EmptyRows(20);
  rows[5].replace(4, 5, "oxxxx");
  rows[10][10] = 'o';
  ProgramSetup setup;
  setup.plocha = BoardText(rows);
  setup.tah = std::string("x");
  setup.arguments = {"/3"};
  return setup;
}

}  // namespace

TEST(OutcomeCheck, AcceptsTheRealRunAndRejectsEveryDoctoredOne) {
  const ProgramSetup setup = FiveCompletion();
  const MemoryRun real = RunSetupInMemory(setup);
  ASSERT_EQ(real.tah, "9,5");
  EXPECT_EQ(FindOutcomeFault(real, setup), "");

  struct Doctoring {
    const char* what;
    std::function<void(MemoryRun&)> change;
  };
  const Doctoring doctorings[] = {
      {"exit code 1", [](MemoryRun& r) { r.exitCode = 1; }},
      {"unknown message", [](MemoryRun& r) { r.console = "Chyba\r\n"; }},
      {"message without CR LF", [](MemoryRun& r) { r.console = kMessageBadBoardSize; }},
      {"message but a move written",
       [](MemoryRun& r) {
         r.console = kMessageBadBoardSize;
         r.console += "\r\n";
       }},
      {"leading zero", [](MemoryRun& r) { r.tah = "09,5"; }},
      {"line end after the move", [](MemoryRun& r) { r.tah = "9,5\n"; }},
      {"occupied cell", [](MemoryRun& r) { r.tah = "4,5"; }},
      {"off the board", [](MemoryRun& r) { r.tah = "20,5"; }},
      {"another empty cell", [](MemoryRun& r) { r.tah = "0,0"; }},
      {"no move written", [](MemoryRun& r) { r.tah = std::string("x"); }},
      {"tah.dat removed", [](MemoryRun& r) { r.tahExists = false, r.tah = ""; }},
  };
  for (const Doctoring& d : doctorings) {
    MemoryRun run = real;
    d.change(run);
    EXPECT_NE(FindOutcomeFault(run, setup), "") << d.what;
  }
}

TEST(OutcomeCheck, ParsesOnlyPlainDecimalMoves) {
  struct Case {
    const char* text;
    bool valid;
  };
  const Case cases[] = {{"0,0", true},   {"19,19", true}, {"7,10", true},  {"", false},
                        {",", false},    {"1,", false},   {",1", false},   {"01,2", false},
                        {"1,2,", false}, {"-1,2", false}, {"1 ,2", false}, {"123,4", false}};
  for (const Case& c : cases) {
    int x = -1, y = -1;
    EXPECT_EQ(ParseMoveText(c.text, x, y), c.valid) << c.text;
  }
}

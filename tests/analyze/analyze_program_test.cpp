// The built tulvo-analyze on positions in scratch folders, checked against the file
// program and against hand-worked scores.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "support/engine_fixture.h"
#include "support/program_runner.h"

using namespace tulvo::test;

namespace {

const std::string kAnalyze = TULVO_ANALYZE_EXECUTABLE;
const std::string kTulvo = TULVO_EXECUTABLE;

struct TsvLine {
  int x, y;
  int64_t baseScore, cellScore;
};

struct Tsv {
  std::vector<TsvLine> cells;
  std::string move;  // what follows "move\t"
  bool wellFormed = true;
};

Tsv ParseTsv(const std::string& text) {
  Tsv tsv;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!tsv.move.empty()) tsv.wellFormed = false;  // nothing may follow the move line
    if (line.rfind("move\t", 0) == 0) {
      tsv.move = line.substr(5);
      continue;
    }
    TsvLine cell;
    char tail;
    if (std::sscanf(line.c_str(), "%d\t%d\t%ld\t%ld%c", &cell.x, &cell.y, &cell.baseScore, &cell.cellScore, &tail) != 4)
      tsv.wellFormed = false;
    tsv.cells.push_back(cell);
  }
  if (tsv.move.empty()) tsv.wellFormed = false;
  return tsv;
}

const TsvLine* Find(const Tsv& tsv, int x, int y) {
  for (const TsvLine& cell : tsv.cells)
    if (cell.x == x && cell.y == y) return &cell;
  return nullptr;
}

// A board of side 20 from stones given as (x, y, 'x' or 'o').
std::string Board(const std::vector<std::tuple<int, int, char>>& stones, int side = 20) {
  std::vector<std::string> rows = EmptyRows(side);
  for (auto [x, y, c] : stones) rows[size_t(y)][size_t(x)] = c;
  return BoardText(rows);
}

const std::string kFiveCompletion =
    Board({{4, 5, 'o'}, {5, 5, 'x'}, {6, 5, 'x'}, {7, 5, 'x'}, {8, 5, 'x'}, {10, 10, 'o'}});

ProgramRun Analyze(const std::string& plocha, const std::string& tah, const std::vector<std::string>& options) {
  ScratchDirectory dir;
  dir.Write("plocha.dat", plocha);
  dir.Write("tah.dat", tah);
  std::vector<std::string> arguments = options;
  arguments.push_back(dir.path());
  return RunProgramIn(dir.path(), kAnalyze, arguments);
}

Tsv AnalyzeTsv(const std::string& plocha, const std::string& tah, int level, uint32_t seed) {
  ProgramRun run =
      Analyze(plocha, tah, {"--format", "tsv", "--level", std::to_string(level), "--seed", std::to_string(seed)});
  EXPECT_EQ(run.exitCode, 0);
  return ParseTsv(run.output);
}

// Empty cells within two cells of a stone: the cells the search must evaluate.
std::vector<std::pair<int, int>> CandidatesInScanOrder(const std::string& plocha) {
  std::vector<std::string> rows;
  std::istringstream lines(plocha);
  for (std::string line; std::getline(lines, line);) rows.push_back(line);
  int side = int(rows.size());
  std::vector<std::pair<int, int>> cells;
  for (int x = 0; x < side; x++)
    for (int y = 0; y < side; y++) {
      bool near = false;
      for (int i = std::max(0, x - 2); i <= std::min(side - 1, x + 2); i++)
        for (int j = std::max(0, y - 2); j <= std::min(side - 1, y + 2); j++) near |= rows[size_t(j)][size_t(i)] != '-';
      if (near && rows[size_t(y)][size_t(x)] == '-') cells.push_back({x, y});
    }
  return cells;
}

}  // namespace

TEST(AnalyzeProgram, FiveCompletionAtEveryLevelEvaluatesEveryCandidateAndTakesTheFive) {
  for (int level = 0; level <= 6; level++) {
    for (uint32_t seed : {0u, 4294967295u}) {
      Tsv tsv = AnalyzeTsv(kFiveCompletion, "x", level, seed);
      ASSERT_TRUE(tsv.wellFormed) << level;
      EXPECT_EQ(tsv.move, "9,5") << level;
      std::vector<std::pair<int, int>> expected = CandidatesInScanOrder(kFiveCompletion);
      ASSERT_EQ(tsv.cells.size(), expected.size()) << level;
      int64_t top = level <= 1 ? 32767 : 999999999;
      for (size_t i = 0; i < expected.size(); i++) {
        EXPECT_EQ(std::make_pair(tsv.cells[i].x, tsv.cells[i].y), expected[i]) << level;
        bool five = tsv.cells[i].x == 9 && tsv.cells[i].y == 5;
        if (five) {
          EXPECT_EQ(tsv.cells[i].cellScore, top) << level;
        } else {
          EXPECT_LT(tsv.cells[i].cellScore, top) << level;
        }
      }
    }
  }
}

TEST(AnalyzeProgram, SideOptionOverridesTahAndTurnsTheFiveIntoABlock) {
  for (int level : {1, 6}) {
    ProgramRun run =
        Analyze(kFiveCompletion, "x", {"--side", "o", "--format", "tsv", "--level", std::to_string(level)});
    Tsv tsv = ParseTsv(run.output);
    EXPECT_EQ(tsv.move, "9,5");
    ASSERT_NE(Find(tsv, 9, 5), nullptr);
    EXPECT_EQ(Find(tsv, 9, 5)->cellScore, level == 1 ? 32766 : 999999998);
  }
}

// Cells whose base scores are worked by hand: the scorers of levels 2 to 4, and the
// base of levels 0 and 1, which is the level-2 scorer's.
TEST(AnalyzeProgram, WorkedBaseScoresAppearForTheirCells) {
  struct Case {
    const char* what;
    std::string plocha;
    int x, y;
    int64_t runSquares, runSpanSquares, freeWeighted;
  };
  const std::string oneStone = Board({{10, 9, 'x'}, {12, 10, 'o'}, {6, 11, 'x'}});
  const Case cases[] = {
      {"one stone next to it", oneStone, 9, 9, 3, 53, 156},
      {"no stone on its lines", oneStone, 8, 8, 0, 48, 144},
      {"two stones, then the other colour", Board({{10, 9, 'x'}, {11, 9, 'x'}, {12, 9, 'o'}}), 9, 9, 8, 58, 158},
      {"three stones open to the edge", Board({{10, 9, 'o'}, {11, 9, 'o'}, {12, 9, 'o'}}), 9, 9, 15, 81, 252},
      {"corner", Board({{1, 2, 'x'}, {2, 1, 'o'}, {5, 7, 'x'}}), 0, 0, 0, 18, 54},
  };
  for (const Case& c : cases) {
    for (const char* tah : {"x", "o"}) {
      const std::map<int, int64_t> expected = {
          {0, c.runSquares}, {1, c.runSquares}, {2, c.runSquares}, {3, c.runSpanSquares}, {4, c.freeWeighted}};
      for (auto [level, base] : expected) {
        Tsv tsv = AnalyzeTsv(c.plocha, tah, level, 11);
        const TsvLine* cell = Find(tsv, c.x, c.y);
        ASSERT_NE(cell, nullptr) << c.what;
        EXPECT_EQ(cell->baseScore, base) << c.what << " level " << level << " tah " << tah;
      }
    }
  }
}

TEST(AnalyzeProgram, SeedMakesTheOutputAPureFunctionOfTheInput) {
  std::ifstream sample(std::string(TULVO_SAMPLES_DIR) + "/midgame/plocha.dat");
  std::stringstream plocha;
  plocha << sample.rdbuf();
  for (const char* format : {"tsv", "picture"}) {
    std::vector<std::string> options = {"--level", "0", "--seed", "31337", "--format", format};
    ProgramRun first = Analyze(plocha.str(), "o", options);
    ProgramRun second = Analyze(plocha.str(), "o", options);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_GT(first.output.size(), 100u);
    EXPECT_EQ(first.output, second.output) << format;
  }
}

TEST(AnalyzeProgram, MoveEqualsWhatTheFileProgramWrites) {
  std::ifstream sample(std::string(TULVO_SAMPLES_DIR) + "/midgame/plocha.dat");
  std::stringstream midgame;
  midgame << sample.rdbuf();
  std::vector<std::string> positions = {
      kFiveCompletion,
      midgame.str(),
      BoardText(EmptyRows(15)),
      Board({{9, 9, 'x'}}),
      Board({{9, 9, 'x'}, {10, 10, 'o'}}),
      Board({{9, 9, 'x'}, {19, 19, 'o'}}),  // the centre rule may name the occupied (9, 9)
      BoardText(std::vector<std::string>(10, std::string(10, 'o'))),
  };
  // Scattered stones from a fixed linear congruential sequence, dense enough for ties.
  uint32_t state = 12345;
  for (int stones : {5, 17, 40}) {
    std::vector<std::tuple<int, int, char>> list;
    for (int i = 0; i < stones; i++) {
      state = state * 1103515245u + 12345u;
      list.push_back({int(state >> 8) % 12 + 4, int(state >> 20) % 12 + 4, i % 2 ? 'o' : 'x'});
    }
    positions.push_back(Board(list));
  }
  for (size_t p = 0; p < positions.size(); p++) {
    for (int level = 0; level <= 6; level++) {
      const std::string argument = {'/', char('0' + level)};
      for (uint32_t seed : {0u, 4321u, 86399999u}) {
        const char* tah = (p + size_t(level)) % 2 ? "o" : "x";
        MemoryRun file = RunInMemory(positions[p].c_str(), tah, {argument}, seed);
        std::string written = file.tah == tah ? "none" : file.tah;
        EXPECT_EQ(AnalyzeTsv(positions[p], tah, level, seed).move, written)
            << "position " << p << " level " << level << " seed " << seed;
      }
    }
  }
}

// tulvo-analyze with its standard error joined to its standard output.
ProgramRun AnalyzeBothStreams(const std::string& directory, const std::vector<std::string>& arguments) {
  std::vector<std::string> shell = {"-c", "exec \"$0\" \"$@\" 2>&1", kAnalyze};
  shell.insert(shell.end(), arguments.begin(), arguments.end());
  return RunProgramIn(directory, "/bin/sh", shell);
}

// The message the file program ends with, then "tulvo-analyze: " and an explanation,
// on standard error only, with status 1.
void ExpectBadBoardReport(const std::string& directory, const std::vector<std::string>& arguments,
                          const std::string& message, const std::string& what) {
  ProgramRun analyzed = RunProgramIn(directory, kAnalyze, arguments);
  EXPECT_EQ(analyzed.output, "") << what;
  EXPECT_EQ(analyzed.exitCode, 1) << what;
  std::string report = AnalyzeBothStreams(directory, arguments).output;
  std::string lead = message + "\ntulvo-analyze: ";
  EXPECT_EQ(report.rfind(lead, 0), 0u) << what << ": " << report;
  EXPECT_GT(report.size(), lead.size() + 10) << what << ": no explanation";
  EXPECT_EQ(report.back(), '\n') << what;
}

TEST(AnalyzeProgram, BadBoardsGiveTheReadersMessageOnStandardErrorWithStatusOne) {
  struct Case {
    const char* what;
    std::string plocha;
    const char* tah;  // nullptr: no tah.dat
  };
  const Case cases[] = {
      {"empty board file", "", "x"},
      {"448 bytes", std::string(448, '-'), "x"},
      {"21 characters", std::string(21, '-') + "\n", "x"},
      {"21st line", BoardText(EmptyRows(20)) + "-\n", "x"},
      {"empty tah.dat", BoardText(EmptyRows(20)), ""},
      {"no tah.dat", BoardText(EmptyRows(20)), nullptr},
  };
  for (const Case& c : cases) {
    ScratchDirectory dir;
    dir.Write("plocha.dat", c.plocha);
    if (c.tah != nullptr) dir.Write("tah.dat", c.tah);
    ProgramRun played = RunProgramIn(dir.path(), kTulvo, {"/6"});
    ASSERT_GT(played.output.size(), 2u) << c.what;
    std::string message = played.output.substr(0, played.output.size() - 2);  // without CR LF
    ExpectBadBoardReport(dir.path(), {"--format", "tsv", dir.path()}, message, c.what);
  }
  ScratchDirectory empty;
  ExpectBadBoardReport(empty.path(), {empty.path()}, "Nelze nahrat plocha.dat!", "no board file");
}

TEST(AnalyzeProgram, FindsFilesInAnyLetterCaseOrByTheirOwnName) {
  ScratchDirectory dir;
  dir.Write("PLOCHA.DAT", kFiveCompletion);
  dir.Write("Tah.Dat", "x");
  EXPECT_EQ(ParseTsv(RunProgramIn("/", kAnalyze, {"--format", "tsv", dir.path()}).output).move, "9,5");

  // A lone board file under any name needs the side from the option.
  ScratchDirectory lone;
  lone.Write("position.txt", kFiveCompletion);
  std::string path = lone.path() + "/position.txt";
  EXPECT_EQ(ParseTsv(RunProgramIn("/", kAnalyze, {"--format", "tsv", "--side", "x", path}).output).move, "9,5");
  ExpectBadBoardReport("/", {path}, "Nelze nahrat tah.dat nebo plocha.dat!", "lone board without tah.dat");
}

TEST(AnalyzeProgram, RefusesBadArgumentsWithStatusTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--level", "7", "."},
      {"--level", "."},
      {"--seed", "4294967296", "."},
      {"--seed", "x", "."},
      {"--side", "b", "."},
      {"--format", "xml", "."},
      {"--verbose", "."},
      {".", "."},
      {"/no/such/folder/plocha.dat"},
  };
  ScratchDirectory dir;
  dir.Write("plocha.dat", kFiveCompletion);
  dir.Write("tah.dat", "x");
  for (const auto& arguments : cases) {
    ProgramRun run = RunProgramIn(dir.path(), kAnalyze, arguments);
    EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(arguments);
    EXPECT_EQ(run.output, "") << ::testing::PrintToString(arguments);
  }
  EXPECT_EQ(RunProgramIn(dir.path(), kAnalyze, {"--format", "tsv", "."}).exitCode, 0);
}

namespace {

TEST(AnalyzeProgram, AnswersHelpAndVersionAndNamesAnUnknownOption) {
  ScratchDirectory dir;
  ProgramRun help = RunProgramIn(dir.path(), kAnalyze, {"--help"});
  EXPECT_EQ(help.output.rfind("Usage: tulvo-analyze ", 0), 0u) << help.output;
  EXPECT_EQ(help.exitCode, 0);
  ProgramRun version = RunProgramIn(dir.path(), kAnalyze, {"--version"});
  EXPECT_EQ(version.output, "tulvo-analyze " TULVO_VERSION "\n");
  EXPECT_EQ(version.exitCode, 0);
  ProgramRun unknown = AnalyzeBothStreams(dir.path(), {"--foo"});
  EXPECT_EQ(unknown.output, "tulvo-analyze: unknown option '--foo'\n");
  EXPECT_EQ(unknown.exitCode, 2);
}

// The picture of the five completion with standard output on a new terminal, NO_COLOR
// as given (null: unset); empty when no terminal can be had. The terminal is script's
// (always there on Debian): it runs the command on a pseudo-terminal and copies what
// the command shows to its own standard output.
std::string PictureOnATerminal(const char* noColor) {
  ScratchDirectory dir;
  dir.Write("plocha.dat", kFiveCompletion);
  dir.Write("tah.dat", "x");
  std::vector<std::string> env = {"TULVO_ANALYZE=" + kAnalyze};
  if (noColor == nullptr)
    env.insert(env.begin(), {"-u", "NO_COLOR"});
  else
    env.push_back(std::string("NO_COLOR=") + noColor);
  std::vector<std::string> arguments = env;
  for (const char* word : {"/usr/bin/script", "-qec", "exec \"$TULVO_ANALYZE\" --seed 1 .", "/dev/null"})
    arguments.push_back(word);
  ProgramRun run = RunProgramIn(dir.path(), "/usr/bin/env", arguments);
  return run.exitCode == 0 ? run.output : "";
}

TEST(AnalyzeProgram, NoColorTakesTheColoursOffATerminal) {
  std::string coloured = PictureOnATerminal(nullptr);
  if (coloured.empty()) GTEST_SKIP() << "no pseudo-terminal can be had here (/usr/bin/script failed)";
  EXPECT_NE(coloured.find('\x1b'), std::string::npos);
  EXPECT_NE(PictureOnATerminal("").find('\x1b'), std::string::npos);
  std::string plain = PictureOnATerminal("1");
  EXPECT_NE(plain.find("[1]"), std::string::npos) << plain;
  EXPECT_EQ(plain.find('\x1b'), std::string::npos);
}

}  // namespace

// Whole runs of the file program over many random positions, checked against what
// the line scan, the threat classes and the protocol guarantee.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/board/position.h"
#include "engine/choice/engine_state.h"
#include "support/engine_fixture.h"
#include "support/outcome_check.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

constexpr int kPositions = 3000;

// Counts the cells from (x, y) + step * first on along d that hold code, while on the board.
int CountAlong(const EngineState& s, int x, int y, int d, int first, uint8_t code) {
  int n = 0;
  for (int i = first; IsOnBoard(s, x + stepX[d] * i, y + stepY[d] * i); i++, n++)
    if (s.board[x + stepX[d] * i][y + stepY[d] * i] != code) break;
  return n;
}

// One entry of a scanned cell: the run walks checked against the Board, the span
// entries through the relations the line scan guarantees.
std::string FindEntryFault(const EngineState& s, int x, int y, int p, int d) {
  const CellTables& t = s.cellTables[x][y];
  const int i = TableIndex(p, d);
  const int run = t.runLen[i], runFree = t.runFree[i];
  const int span = t.spanLen[i], gap = t.spanGap[i], spanFree = t.spanFree[i];
  const uint8_t own = uint8_t(p + 1);
  if (run != CountAlong(s, x, y, d, 1, own)) return "runLen differs from the board";
  if (runFree != CountAlong(s, x, y, d, run + 1, kCellEmpty)) return "runFree differs from the board";
  if (span < run) return "spanLen < runLen";
  if (runFree == 0) return gap == 0 && span == run && spanFree == 0 ? "" : "runFree 0 but a span beyond the run";
  const int k = CountAlong(s, x, y, d, run + 2, own);
  if (gap != run + 1) return "spanGap is not runLen + 1";
  if (span != run + 1 + k) return "spanLen is not runLen + 1 + own stones after the gap";
  if (k == 0 && runFree >= 2 && spanFree != runFree - 1) return "spanFree is not runFree - 1";
  return "";
}

bool IsZero(const uint8_t (&table)[kTableEntries]) {
  for (uint8_t v : table)
    if (v != 0) return false;
  return true;
}

bool TablesAreZero(const CellTables& t) {
  return IsZero(t.runLen) && IsZero(t.runFree) && IsZero(t.spanLen) && IsZero(t.spanGap) && IsZero(t.spanFree);
}

// The classes of one player's four axes: one count per axis, only in the used rows.
std::string FindThreatCountFault(const EngineState& s) {
  for (int p = 0; p < kPlayers; p++) {
    int sum = 0;
    for (int row = 0; row < kThreatRows; row++) {
      bool used = row == kThreatNone || row == kThreatOpenThree || row == kThreatFour || row == kThreatOpenFour ||
                  row == kThreatFive;
      if (!used && s.threatCounts[row][p] != 0) return "an unused threat row was counted";
      sum += s.threatCounts[row][p];
    }
    if (sum != kAxes) return "threat counts sum to " + std::to_string(sum);
  }
  return "";
}

std::string FindCellFault(EngineState& s, int x, int y) {
  bool scanned = IsOnBoard(s, x, y) && s.candidateMask[x][y] != 0;
  if (!scanned) return TablesAreZero(s.cellTables[x][y]) ? "" : "an unscanned cell has non-zero tables";
  for (int p = 0; p < kPlayers; p++)
    for (int d = 0; d < kDirections; d++) {
      std::string fault = FindEntryFault(s, x, y, p, d);
      if (!fault.empty()) return fault + " (player " + std::to_string(p) + ", direction " + std::to_string(d) + ")";
    }
  SelectCell(s, x, y);
  ClassifyThreats(s);
  return FindThreatCountFault(s);
}

// Every cell of the 20 x 20 grid after a run that read the board.
std::string FindPositionFault(EngineState& s) {
  for (int x = 0; x < kBoardSide; x++)
    for (int y = 0; y < kBoardSide; y++) {
      std::string fault = FindCellFault(s, x, y);
      if (!fault.empty()) return "cell (" + std::to_string(x) + ", " + std::to_string(y) + "): " + fault;
    }
  return "";
}

// With three or more stones the scan evaluates every empty candidate cell on the
// board exactly once, x outer and y inner, and nothing else.
std::string FindScanFault(const EngineState& s) {
  if (s.stoneCount < 3) return "";
  int expected = 0;
  for (int x = 0; x <= s.boardMax; x++)
    for (int y = 0; y <= s.boardMax; y++) expected += s.candidateMask[x][y] != 0 && s.board[x][y] == kCellEmpty;
  if (s.evaluatedCount != expected)
    return "the scan evaluated " + std::to_string(s.evaluatedCount) + " cells, not " + std::to_string(expected);
  for (int i = 0; i < s.evaluatedCount; i++) {
    const EvaluatedCell& c = s.evaluatedCells[i];
    if (!IsOnBoard(s, c.x, c.y) || s.candidateMask[c.x][c.y] == 0 || s.board[c.x][c.y] != kCellEmpty)
      return "the scan evaluated a cell that is not an empty candidate";
    if (i > 0 &&
        (c.x < s.evaluatedCells[i - 1].x || (c.x == s.evaluatedCells[i - 1].x && c.y <= s.evaluatedCells[i - 1].y)))
      return "the scan left x-outer, y-inner order";
  }
  return "";
}

// A random square board of side 1..20 with a density from empty to full, random
// letter case and line ends, one of the seven levels, either side, any clock.
ProgramSetup RandomSetup(std::mt19937& rng, int level) {
  const double densities[] = {0.0, 0.02, 0.06, 0.15, 0.3, 0.5, 0.75, 0.9, 0.98, 1.0};
  const char* lineEnds[] = {"\n", "\r\n", "\r"};
  const char stones[] = {'x', 'o', 'X', 'O'};
  int side = std::uniform_int_distribution<int>(1, kBoardSide)(rng);
  std::bernoulli_distribution stone(densities[rng() % std::size(densities)]);
  std::string lineEnd = lineEnds[rng() % std::size(lineEnds)];
  std::string text;
  for (int y = 0; y < side; y++) {
    for (int x = 0; x < side; x++) text += stone(rng) ? stones[rng() % 4] : '-';
    text += lineEnd;
  }
  ProgramSetup setup;
  setup.plocha = text;
  setup.tah = rng() % 2 ? "x" : "o\r\n";
  setup.arguments = {std::string("/") + char('0' + level)};
  setup.millisecondsOfDay = rng() % (24u * 60 * 60 * 1000);
  return setup;
}

std::string Describe(const ProgramSetup& setup) {
  return "level " + setup.arguments[0] + ", tah '" + *setup.tah + "', clock " +
         std::to_string(setup.millisecondsOfDay) + ", board:\n" + *setup.plocha;
}

}  // namespace

TEST(WholeProgram, RandomPositionsKeepEveryInvariant) {
  std::mt19937 rng(20261208);
  for (int n = 0; n < kPositions; n++) {
    ProgramSetup setup = RandomSetup(rng, n % 7);
    MemoryRun run = RunSetupInMemory(setup);
    ASSERT_EQ(run.console, "") << Describe(setup);
    std::string fault = FindOutcomeFault(run, setup);
    if (fault.empty()) fault = FindScanFault(StateAfter(run));
    if (fault.empty()) fault = FindPositionFault(StateAfter(run));
    ASSERT_EQ(fault, "") << Describe(setup);
  }
}

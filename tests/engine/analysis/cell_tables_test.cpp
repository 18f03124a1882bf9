#include "engine/analysis/cell_tables.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/board/position.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

struct Entries {
  int runLen, runFree, spanLen, spanGap, spanFree;
  bool operator==(const Entries&) const = default;
};

Entries EntriesOf(const EngineState& s, int x, int y, int p, int d) {
  const CellTables& t = s.cellTables[x][y];
  int i = TableIndex(p, d);
  return {t.runLen[i], t.runFree[i], t.spanLen[i], t.spanGap[i], t.spanFree[i]};
}

// Lays out the cells seen from an empty cell along direction 0 (x own, o opponent,
// - empty); a final '|' puts the last cell at the board edge. Returns the cell's x.
int LayLine(EngineState& s, const std::string& cells, int y) {
  std::string line = cells;
  bool edge = !line.empty() && line.back() == '|';
  if (edge) line.pop_back();
  int cellX = edge ? kMaxCoordinate - int(line.size()) : 2;
  std::vector<StoneAt> stones;
  for (size_t i = 0; i < line.size(); i++)
    if (line[i] != '-') stones.push_back({cellX + 1 + int(i), y, line[i]});
  // The cell's neighbourhood must be a candidate: an own stone two rows away marks it.
  stones.push_back({cellX, y + 2 <= kMaxCoordinate ? y + 2 : y - 2, 'o'});
  LoadPosition(s, RowsWithStones(20, stones), 1);
  return cellX;
}

}  // namespace

TEST(ScanCell, WorkedRowsForX) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  struct Case {
    const char* cells;
    Entries x;
  };
  const Case cases[] = {
      {"xx-xo", {2, 1, 4, 3, 0}},  {"x--x", {1, 2, 2, 2, 1}}, {"-xx-|", {0, 1, 3, 1, 1}},
      {"xxxxx|", {5, 0, 5, 0, 0}}, {"xo", {1, 0, 1, 0, 0}},   {"x-o", {1, 1, 2, 2, 0}},
      {"|", {0, 0, 0, 0, 0}},      {"x-|", {1, 1, 2, 2, 0}},  {"xx--x", {2, 2, 3, 3, 1}},
  };
  for (const Case& c : cases) {
    int cellX = LayLine(s, c.cells, 10);
    EXPECT_EQ(EntriesOf(s, cellX, 10, kPlayerX, 0), c.x) << c.cells;
  }
}

TEST(ScanCell, OpponentNeighbourGivesZeros) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  int cellX = LayLine(s, "xx-xo", 10);
  EXPECT_EQ(EntriesOf(s, cellX, 10, kPlayerO, 0), (Entries{0, 0, 0, 0, 0}));
}

TEST(ScanCell, SmallBoardEdgeIsBoardMax) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  // On a 6 x 6 board x = 5 is the edge although the array has room beyond it.
  LoadPosition(s, RowsWithStones(6, {{3, 2, 'x'}, {4, 2, 'x'}}), 1);
  EXPECT_EQ(EntriesOf(s, 2, 2, kPlayerX, 0), (Entries{2, 1, 3, 3, 0}));
  EXPECT_EQ(EntriesOf(s, 5, 2, kPlayerX, 0), (Entries{0, 0, 0, 0, 0}));
}

TEST(ScanCell, CornerDirectionsOffBoardAreZero) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  LoadPosition(s, RowsWithStones(20, {{1, 1, 'x'}}), 1);
  for (int p = 0; p < kPlayers; p++)
    for (int d : {3, 4, 5, 6, 7}) EXPECT_EQ(EntriesOf(s, 0, 0, p, d), (Entries{0, 0, 0, 0, 0})) << p << d;
  EXPECT_EQ(EntriesOf(s, 0, 0, kPlayerX, 1), (Entries{1, 18, 2, 2, 17}));
}

TEST(ScanCell, OccupiedCellScansLikeEmpty) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  LoadPosition(s, RowsWithStones(20, {{5, 5, 'x'}, {6, 5, 'x'}, {4, 4, 'o'}}), 1);
  CellTables occupied = s.cellTables[5][5];
  LoadPosition(s, RowsWithStones(20, {{6, 5, 'x'}, {4, 4, 'o'}}), 1);
  EXPECT_EQ(memcmp(&occupied, &s.cellTables[5][5], sizeof occupied), 0);
}

TEST(ScanCell, UnmarkedCellsStayZero) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  LoadPosition(s, RowsWithStones(20, {{10, 10, 'x'}}), 1);
  CellTables zero = {};
  EXPECT_EQ(memcmp(&zero, &s.cellTables[0][0], sizeof zero), 0);
  EXPECT_NE(memcmp(&zero, &s.cellTables[9][9], sizeof zero), 0);
  LoadPosition(s, EmptyRows(20), 1);
  for (int x = 0; x < kBoardSide; x++)
    for (int y = 0; y < kBoardSide; y++) ASSERT_EQ(memcmp(&zero, &s.cellTables[x][y], sizeof zero), 0);
}

// The relations the walks guarantee, over random boards of every size and density.
TEST(ScanCell, RelationsHoldOnRandomBoards) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  std::mt19937 rng(2024);
  for (int round = 0; round < 300; round++) {
    int side = 1 + int(rng() % 20);
    int density = int(rng() % 101);
    std::vector<std::string> rows = EmptyRows(side);
    for (auto& row : rows)
      for (char& c : row)
        if (int(rng() % 100) < density) c = (rng() % 2) ? 'x' : 'o';
    LoadPosition(s, rows, 1);
    for (int x = 0; x < side; x++)
      for (int y = 0; y < side; y++) {
        if (!s.candidateMask[x][y]) continue;
        for (int p = 0; p < kPlayers; p++)
          for (int d = 0; d < kDirections; d++) {
            Entries e = EntriesOf(s, x, y, p, d);
            ASSERT_GE(e.spanLen, e.runLen);
            if (e.runFree == 0) {
              ASSERT_EQ(e.spanGap, 0);
              ASSERT_EQ(e.spanLen, e.runLen);
              ASSERT_EQ(e.spanFree, 0);
              continue;
            }
            ASSERT_EQ(e.spanGap, e.runLen + 1);
            int afterGapX = x + stepX[d] * (e.runLen + 2), afterGapY = y + stepY[d] * (e.runLen + 2);
            int k = 0;
            while (IsOnBoard(s, afterGapX, afterGapY) && s.board[afterGapX][afterGapY] == p + 1) {
              k++;
              afterGapX += stepX[d];
              afterGapY += stepY[d];
            }
            ASSERT_EQ(e.spanLen, e.runLen + 1 + k);
            if (k == 0 && e.runFree >= 2) {
              ASSERT_EQ(e.spanFree, e.runFree - 1);
            }
          }
      }
  }
}

// Debug builds stop at a cell outside the Board's storage or a table index out of
// range, where Release builds would write or read beyond the arrays.
TEST(DebugAssertions, StopAtCellsAndIndicesOutOfRange) {
#ifdef NDEBUG
  GTEST_SKIP() << "assertions are compiled out of this build (NDEBUG)";
#else
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(PlaceStone(s, kBoardSide, 0, kCellX), "IsWithinBoardStorage");
  EXPECT_DEATH(SelectCell(s, 0, -1), "IsWithinBoardStorage");
  EXPECT_DEATH(ScanCell(s, -1, 3), "IsWithinBoardStorage");
  EXPECT_DEATH(static_cast<void>(TableIndex(kPlayers, 0)), "kPlayers");
  EXPECT_DEATH(static_cast<void>(TableIndex(0, kDirections)), "kDirections");
#endif
}

// ScanCell against a plain cell-by-cell walk, on many boards of every size and fill.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/analysis/cell_tables.h"
#include "engine/board/position.h"
#include "engine/load_position.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

// The walks as the tables' definitions state them, one cell at a time.
struct Reference {
  const BoardState& s;
  int x, y, d;
  uint8_t own;

  bool OnBoard(int i) const {
    int u = x + i * stepX[d], v = y + i * stepY[d];
    return u >= 0 && v >= 0 && u <= s.boardMax && v <= s.boardMax && u < kBoardSide && v < kBoardSide;
  }
  uint8_t At(int i) const { return s.board[x + i * stepX[d]][y + i * stepY[d]]; }
  // Steps from step i on while the cell holds code; returns the step it stopped at.
  int WalkFrom(int i, uint8_t code) const {
    while (OnBoard(i) && At(i) == code) i++;
    return i;
  }
  void Fill(CellTables& t, int index) const {
    int runEnd = WalkFrom(1, own);
    t.runLen[index] = uint8_t(runEnd - 1);
    t.runFree[index] = uint8_t(WalkFrom(runEnd, kCellEmpty) - runEnd);
    int i = 1, gap = 0;
    for (; OnBoard(i); i++) {
      uint8_t v = At(i);
      if (v == kCellEmpty && gap == 0)
        gap = i;
      else if (v != own)
        break;
    }
    t.spanLen[index] = uint8_t(i - 1);
    t.spanGap[index] = uint8_t(gap);
    t.spanFree[index] = uint8_t(WalkFrom(i, kCellEmpty) - i);
  }
};

uint32_t drawSeed = 1;
int Draw(int n) {
  drawSeed = drawSeed * 1103515245u + 12345u;
  return int((drawSeed >> 8) % uint32_t(n));
}

// A board of the given size whose cells are empty with the given odds in 8, else X,
// O or (rarely) blocked; cells past boardMax hold stones too, as a ragged file leaves.
void FillBoard(EngineState& s, int side, int emptyInEight) {
  ResetEngine(s);
  s.boardMax = uint8_t(side - 1);
  for (int x = 0; x < kBoardSide; x++) {
    for (int y = 0; y < kBoardSide; y++) {
      int r = Draw(8 * 16);
      s.board[x][y] = r < emptyInEight * 16 ? kCellEmpty : r < 126 ? uint8_t(kCellX + r % 2) : kCellBlocked;
    }
  }
}

}  // namespace

// The tables the plain walks give for (x, y).
static CellTables ReferenceTables(const BoardState& s, int x, int y) {
  CellTables expected;
  for (int p = 0; p < kPlayers; p++)
    for (int d = 0; d < kDirections; d++) Reference{s, x, y, d, uint8_t(p + 1)}.Fill(expected, TableIndex(p, d));
  return expected;
}

TEST(ScanCell, MatchesCellByCellWalks) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  for (int side : {20, 19, 15, 7, 1}) {
    for (int emptyInEight = 0; emptyInEight <= 8; emptyInEight++) {
      for (int round = 0; round < 4; round++) {
        FillBoard(s, side, emptyInEight);
        PrepareLineMasks(s);
        for (int x = 0; x < side; x++) {
          for (int y = 0; y < side; y++) {
            const CellTables expected = ReferenceTables(s, x, y);
            memset(&s.cellTables[x][y], 0xff, sizeof expected);
            ScanCell(s, x, y);
            ASSERT_EQ(memcmp(&expected, &s.cellTables[x][y], sizeof expected), 0)
                << "side " << side << " empty " << emptyInEight << "/8 at " << x << "," << y;
          }
        }
      }
    }
  }
}

TEST(ScanCell, DocumentedExample) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  // X from the neighbour outwards "x x - x o": runLen 2, runFree 1, spanLen 4, spanGap 3, spanFree 0.
  ResetEngine(s);
  const uint8_t line[] = {kCellX, kCellX, kCellEmpty, kCellX, kCellO};
  for (int i = 0; i < 5; i++) s.board[4 + i][3] = line[i];
  PrepareLineMasks(s);
  ScanCell(s, 3, 3);
  const int e = TableIndex(kPlayerX, 0);
  const CellTables& t = s.cellTables[3][3];
  EXPECT_EQ(t.runLen[e], 2);
  EXPECT_EQ(t.runFree[e], 1);
  EXPECT_EQ(t.spanLen[e], 4);
  EXPECT_EQ(t.spanGap[e], 3);
  EXPECT_EQ(t.spanFree[e], 0);
  // For O the same line starts with an opponent's stone: every walk is empty.
  const int o = TableIndex(kPlayerO, 0);
  EXPECT_EQ(t.runLen[o] + t.runFree[o] + t.spanLen[o] + t.spanGap[o] + t.spanFree[o], 0);
}

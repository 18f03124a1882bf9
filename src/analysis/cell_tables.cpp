// The line scan: per direction, the cells from the neighbour to the board's edge are
// gathered into bit masks once, and every walk becomes a count of trailing ones.
#include "analysis/cell_tables.h"

#include <algorithm>
#include <cstring>

#include "driver/position.h"

CellTables cellTables[kBoardSide][kBoardSide];
const CellTables* currentTables = nullptr;

void CreateCellTables() {
  memset(cellTables, 0, sizeof cellTables);
  currentTables = nullptr;
}

namespace {

// Bit i stands for the cell i + 1 steps from the scanned cell; cells past the edge
// are in no mask, so every walk stops there.
struct Ray {
  uint32_t empty;
  uint32_t stones[kPlayers];  // [p]: the cells holding player p's stone
};

// Number of cells from (x, y) to the edge of the board in direction d.
int CellsToEdge(int x, int y, int d, int last) {
  int steps = kBoardSide;
  if (stepX[d] > 0) steps = std::min(steps, last - x);
  if (stepX[d] < 0) steps = std::min(steps, x);
  if (stepY[d] > 0) steps = std::min(steps, last - y);
  if (stepY[d] < 0) steps = std::min(steps, y);
  return steps;
}

Ray GatherRay(int x, int y, int d, int last) {
  const int length = CellsToEdge(x, y, d, last);
  const uint8_t* cell = &board[x][y];
  const int stride = stepX[d] * kBoardSide + stepY[d];
  Ray ray = {0, {0, 0}};
  for (int i = 0; i < length; i++) {
    cell += stride;
    const uint32_t bit = 1u << i;
    if (*cell == kCellEmpty) ray.empty |= bit;
    if (*cell == kCellX) ray.stones[kPlayerX] |= bit;
    if (*cell == kCellO) ray.stones[kPlayerO] |= bit;
  }
  return ray;
}

// How many cells from bit `from` on are in the mask: a walk over them.
uint8_t Walk(uint32_t mask, int from) { return uint8_t(__builtin_ctz(~(mask >> from))); }

//   own  x x - x o     run 2, then the free walk 1; the span walks over
//   bit  0 1 2 3 4     the run, one empty cell (the gap at 3) and x: 4
void FillEntry(CellTables& tables, int index, uint32_t own, uint32_t empty) {
  const int run = Walk(own, 0);
  tables.runLen[index] = uint8_t(run);
  tables.runFree[index] = Walk(empty, run);
  int span = run, gap = 0;
  if (empty >> run & 1u) {
    gap = run + 1;
    span = gap + Walk(own, gap);
  }
  tables.spanLen[index] = uint8_t(span);
  tables.spanGap[index] = uint8_t(gap);
  tables.spanFree[index] = Walk(empty, span);
}

}  // namespace

void ScanCell(int x, int y) {
  CellTables& tables = cellTables[x][y];
  const int last = std::min(int(boardMax), kMaxCoordinate);
  for (int d = 0; d < kDirections; d++) {
    const Ray ray = GatherRay(x, y, d, last);
    for (int p = 0; p < kPlayers; p++) FillEntry(tables, TableIndex(p, d), ray.stones[p], ray.empty);
  }
}

void SelectCell(int x, int y) { currentTables = &cellTables[x][y]; }

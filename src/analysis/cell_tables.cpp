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

// Line masks of the whole board for PrepareLineMasks: per axis and line, one bit per
// cell for each code (empty, X, O), forwards at bit pos and backwards at bit
// kBackwardBase - pos, so that both rays of a cell come out with one shift.
constexpr int kLinesPerAxis = 2 * kBoardSide - 1;
constexpr int kBackwardBase = kBoardSide;  // bits 1..20: every shift stays below 32
constexpr int kCodes = 3;

struct LineMasks {
  uint32_t forward[kCodes];
  uint32_t backward[kCodes];
};

LineMasks lineMasks[kAxes][kLinesPerAxis];

// Axis 0 runs along x, 1 along (1, 1), 2 along y, 3 along (-1, 1); pos grows with the
// axis's own direction.
int LineOf(int axis, int x, int y) {
  switch (axis) {
    case 0: return y;
    case 1: return x - y + kMaxCoordinate;
    case 2: return x;
    default: return x + y;
  }
}

int PosOf(int axis, int x, int y) { return axis <= 1 ? x : y; }

Ray RayFromLines(int x, int y, int d) {
  const int axis = d % kAxes, pos = PosOf(axis, x, y);
  const LineMasks& line = lineMasks[axis][LineOf(axis, x, y)];
  const uint32_t* masks = d < kAxes ? line.forward : line.backward;
  const int shift = d < kAxes ? pos + 1 : kBackwardBase + 1 - pos;
  return {masks[kCellEmpty] >> shift, {masks[kCellX] >> shift, masks[kCellO] >> shift}};
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

template <typename RayOf>
void FillTables(CellTables& tables, RayOf rayOf) {
  for (int d = 0; d < kDirections; d++) {
    const Ray ray = rayOf(d);
    for (int p = 0; p < kPlayers; p++) FillEntry(tables, TableIndex(p, d), ray.stones[p], ray.empty);
  }
}

}  // namespace

void ScanCell(int x, int y) {
  const int last = std::min(int(boardMax), kMaxCoordinate);
  FillTables(cellTables[x][y], [&](int d) { return GatherRay(x, y, d, last); });
}

void PrepareLineMasks() {
  memset(lineMasks, 0, sizeof lineMasks);
  const int last = std::min(int(boardMax), kMaxCoordinate);
  for (int x = 0; x <= last; x++) {
    for (int y = 0; y <= last; y++) {
      const uint8_t code = board[x][y];
      if (code >= kCodes) continue;
      for (int axis = 0; axis < kAxes; axis++) {
        const int pos = PosOf(axis, x, y);
        LineMasks& line = lineMasks[axis][LineOf(axis, x, y)];
        line.forward[code] |= 1u << pos;
        line.backward[code] |= 1u << (kBackwardBase - pos);
      }
    }
  }
}

void ScanPreparedCell(int x, int y) {
  FillTables(cellTables[x][y], [&](int d) { return RayFromLines(x, y, d); });
}

void SelectCell(int x, int y) { currentTables = &cellTables[x][y]; }

// The line scan: per direction, the cells from the neighbour to the board's edge are
// gathered into bit masks once, and the walks of all 16 entries of a cell are found
// together, four vector lanes at a time, from the lowest set bits of those masks.
#include "engine/analysis/cell_tables.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "engine/analysis/analysis_state.h"

namespace tulvo::engine {

void CreateCellTables(AnalysisState& s) {
  memset(s.cellTables, 0, sizeof s.cellTables);
  s.currentTables = nullptr;
}

namespace {

// The 16 entries of a cell are measured four at a time, one vector lane per entry, in
// the quarters p = 0, d = 0..3; p = 0, d = 4..7; p = 1, d = 0..3; p = 1, d = 4..7 (the
// table order), and every table is then written with one 16-byte store.
typedef int32_t Lanes __attribute__((vector_size(16)));
typedef float FloatLanes __attribute__((vector_size(16)));
typedef uint64_t HalfRows __attribute__((vector_size(16)));
typedef uint8_t ByteLanes __attribute__((vector_size(16)));
constexpr int kQuarters = kTableEntries / 4;

// A ray: lane c holds the cells of code c (empty, X, O; lane 3 stays 0) from the
// scanned cell outwards, bit i for the cell i + 1 steps away. Cells past the edge are
// in no mask, so every walk stops there.
typedef Lanes Ray;
constexpr int kCodes = 3;

// The backward masks' bit of position 0: bits 1..20, so every shift stays below 32.
constexpr int kBackwardBase = kBoardSide;

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

Ray RayFromLines(const AnalysisState& s, int x, int y, int d) {
  const int axis = d % kAxes, pos = PosOf(axis, x, y);
  const LineMasks& line = s.lineMasks[axis][LineOf(axis, x, y)];
  Ray masks;
  memcpy(&masks, d < kAxes ? line.forward : line.backward, sizeof masks);
  return masks >> (d < kAxes ? pos + 1 : kBackwardBase + 1 - pos);
}

// The lowest clear bit of every lane, as a mask of that one bit.
Lanes LowestClearBit(Lanes v) { return (v + 1) & ~v; }

// The float bit pattern of a lane's single set bit: its exponent field, from bit 23
// on, is 127 plus the bit's index (exact: every index is below 24).
Lanes FloatBits(Lanes bit) { return (Lanes) __builtin_convertvector(bit, FloatLanes); }
Lanes BitIndex(Lanes bits) { return (bits >> 23) - 127; }
// The distance between two single bits from their float bit patterns.
Lanes BitDistance(Lanes highBits, Lanes lowBits) { return (highBits - lowBits) >> 23; }

struct Walks {
  Lanes runLen, runFree, spanLen, spanGap, spanFree;
};

// Each walk is found as the lowest clear bit of a mask: where the cells it walks over
// end. Bit b stands for the cell b + 1 steps away, so an index is a length.
//   own  x x - x o     run 2, then the free walk 1; the span walks over
//   bit  0 1 2 3 4     the run, one empty cell (the gap at 3) and x: 4
// The bits below the run's end are all own stones, so adding the gap cell (when the
// run ends at an empty cell) to own makes its lowest clear bit the span's end.
Walks Measure(Lanes own, Lanes empty) {
  const Lanes runEnd = LowestClearBit(own);
  const Lanes gapCell = empty & runEnd;  // runEnd, or 0 without a gap
  const Lanes spanEnd = LowestClearBit(own | gapCell);
  const Lanes runEndBits = FloatBits(runEnd), spanEndBits = FloatBits(spanEnd);
  Walks w;
  w.runLen = BitIndex(runEndBits);
  w.runFree = BitDistance(FloatBits(LowestClearBit(empty | (runEnd - 1))), runEndBits);
  w.spanLen = BitIndex(spanEndBits);
  w.spanGap = (Lanes)(gapCell != 0) & (w.runLen + 1);
  w.spanFree = BitDistance(FloatBits(LowestClearBit(empty | (spanEnd - 1))), spanEndBits);
  return w;
}

// Bytes 0..7 of v interleaved with bytes 8..15.
ByteLanes InterleaveHalves(ByteLanes v) {
  const HalfRows rows = (HalfRows)v;
  const ByteLanes high = (ByteLanes)__builtin_shufflevector(rows, rows, 1, 1);
  return __builtin_shufflevector(v, high, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
}

// Writes the low bytes of the four quarters' lanes, in order, into one table: lane i
// first gathers byte i of each quarter, and two interleaves of the halves put the
// bytes in quarter order.
void Store(uint8_t* table, Lanes a, Lanes b, Lanes c, Lanes d) {
  const ByteLanes bytes = InterleaveHalves(InterleaveHalves((ByteLanes)(a | b << 8 | c << 16 | d << 24)));
  memcpy(table, &bytes, sizeof bytes);
}

// Four rays turned into lanes by code (a 4 x 4 transpose): result[c] lane i is the
// mask of code c in rays[i].
void ByCode(const Ray* rays, Lanes (&result)[kCodes]) {
  const Lanes low01 = __builtin_shufflevector(rays[0], rays[1], 0, 4, 1, 5);
  const Lanes low23 = __builtin_shufflevector(rays[2], rays[3], 0, 4, 1, 5);
  const Lanes high01 = __builtin_shufflevector(rays[0], rays[1], 2, 6, 3, 7);
  const Lanes high23 = __builtin_shufflevector(rays[2], rays[3], 2, 6, 3, 7);
  result[kCellEmpty] = __builtin_shufflevector(low01, low23, 0, 1, 4, 5);
  result[kCellX] = __builtin_shufflevector(low01, low23, 2, 3, 6, 7);
  result[kCellO] = __builtin_shufflevector(high01, high23, 0, 1, 4, 5);
}

void FillTables(CellTables& tables, const Ray (&rays)[kDirections]) {
  Lanes low[kCodes], high[kCodes];  // directions 0..3 and 4..7
  ByCode(rays, low);
  ByCode(rays + 4, high);
  const Walks w[kQuarters] = {Measure(low[kCellX], low[kCellEmpty]), Measure(high[kCellX], high[kCellEmpty]),
                              Measure(low[kCellO], low[kCellEmpty]), Measure(high[kCellO], high[kCellEmpty])};
  Store(tables.runLen, w[0].runLen, w[1].runLen, w[2].runLen, w[3].runLen);
  Store(tables.runFree, w[0].runFree, w[1].runFree, w[2].runFree, w[3].runFree);
  Store(tables.spanLen, w[0].spanLen, w[1].spanLen, w[2].spanLen, w[3].spanLen);
  Store(tables.spanGap, w[0].spanGap, w[1].spanGap, w[2].spanGap, w[3].spanGap);
  Store(tables.spanFree, w[0].spanFree, w[1].spanFree, w[2].spanFree, w[3].spanFree);
}

}  // namespace

void PrepareLineMasks(AnalysisState& s) {
  memset(s.lineMasks, 0, sizeof s.lineMasks);
  const int last = std::min(int(s.boardMax), kMaxCoordinate);
  for (int x = 0; x <= last; x++) {
    for (int y = 0; y <= last; y++) {
      const uint8_t code = s.board[x][y];
      if (code >= kCodes) continue;
      for (int axis = 0; axis < kAxes; axis++) {
        const int pos = PosOf(axis, x, y);
        LineMasks& line = s.lineMasks[axis][LineOf(axis, x, y)];
        line.forward[code] |= 1 << pos;
        line.backward[code] |= 1 << (kBackwardBase - pos);
      }
    }
  }
}

void ScanCell(AnalysisState& s, int x, int y) {
  assert(IsWithinBoardStorage(x, y));
  Ray rays[kDirections];
  for (int d = 0; d < kDirections; d++) rays[d] = RayFromLines(s, x, y, d);
  FillTables(s.cellTables[x][y], rays);
}

void SelectCell(AnalysisState& s, int x, int y) {
  assert(IsWithinBoardStorage(x, y));
  s.currentTables = &s.cellTables[x][y];
}

}  // namespace tulvo::engine

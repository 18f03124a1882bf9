// Per-cell line measurements for both players in all eight directions, taken once
// after the board is read; the search reads only these tables.
#pragma once

#include <cstdint>

#include "engine/board/core_types.h"

namespace tulvo::engine {

// Each table has 16 entries indexed [player * 8 + direction] and describes the cell's
// surroundings as if a stone of that player stood on the cell:
//   runLen    own stones in a row from the neighbour on
//   runFree   empty cells right after that run (0 at an opponent's stone or the edge)
//   spanLen   cells walked over own stones and at most one empty cell (the gap)
//   spanGap   1-based step of the gap, 0 without one
//   spanFree  empty cells from where the span walk stopped
// Example for X, cells from the neighbour outwards "x x - x o":
//   runLen 2, runFree 1, spanLen 4, spanGap 3, spanFree 0.
struct CellTables {
  uint8_t runLen[kTableEntries];
  uint8_t runFree[kTableEntries];
  uint8_t spanLen[kTableEntries];
  uint8_t spanGap[kTableEntries];
  uint8_t spanFree[kTableEntries];
};

// Line masks of the whole board, for the line scan: per axis and line, one bit per
// cell for each code (empty, X, O), forwards at bit pos and backwards at bit
// kBackwardBase - pos, so that both rays of a cell come out with one shift. Plain
// arrays, loaded as vectors: building them element by element in vector variables
// would store single lanes and reload whole vectors, which some compilers turn into a
// stall per cell.
constexpr int kLinesPerAxis = 2 * kBoardSide - 1;
struct alignas(16) LineMasks {
  int32_t forward[4];  // lanes by code; lane 3 stays 0
  int32_t backward[4];
};

struct AnalysisState;

// Zeroes the tables of all 400 cells and drops the current selection.
void CreateCellTables(AnalysisState& s);
// The line scan in two steps: PrepareLineMasks takes the whole board's lines once,
// then ScanCell fills one cell's tables from them. The masks hold until the board or
// boardMax changes; scan only after preparing them for the board as it is.
void PrepareLineMasks(AnalysisState& s);
void ScanCell(AnalysisState& s, int x, int y);
// Makes the cell's tables the current ones, which the summaries and scorers read.
void SelectCell(AnalysisState& s, int x, int y);

}  // namespace tulvo::engine

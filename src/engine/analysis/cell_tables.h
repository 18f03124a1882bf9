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

extern CellTables cellTables[kBoardSide][kBoardSide];  // [x][y]
extern const CellTables* currentTables;                // chosen by SelectCell

// Zeroes the tables of all 400 cells and drops the current selection.
void CreateCellTables();
// The line scan in two steps: PrepareLineMasks takes the whole board's lines once,
// then ScanCell fills one cell's tables from them. The masks hold until the board or
// boardMax changes; scan only after preparing them for the board as it is.
void PrepareLineMasks();
void ScanCell(int x, int y);
void SelectCell(int x, int y);

}  // namespace tulvo::engine

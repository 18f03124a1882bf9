// The line scan: four walks per player and direction from a cell's neighbour outwards.
#include "analysis/cell_tables.h"

#include <cstring>

#include "driver/position.h"

CellTables cellTables[kBoardSide][kBoardSide];
const CellTables* currentTables = nullptr;

void CreateCellTables() {
  memset(cellTables, 0, sizeof cellTables);
  currentTables = nullptr;
}

// Steps (x, y) along d while the cell is on the board and holds code; returns the count.
static uint8_t WalkWhile(int& x, int& y, int d, uint8_t code) {
  uint8_t count = 0;
  while (IsOnBoard(x, y) && board[x][y] == code) {
    count++;
    x += stepX[d];
    y += stepY[d];
  }
  return count;
}

static void ScanDirection(CellTables& tables, int x, int y, int p, int d) {
  const uint8_t own = uint8_t(p + 1);
  const int index = TableIndex(p, d);
  int walkX = x + stepX[d], walkY = y + stepY[d];
  tables.runLen[index] = WalkWhile(walkX, walkY, d, own);
  tables.runFree[index] = WalkWhile(walkX, walkY, d, kCellEmpty);

  walkX = x + stepX[d];
  walkY = y + stepY[d];
  uint8_t length = 0, gap = 0;
  while (IsOnBoard(walkX, walkY)) {
    uint8_t v = board[walkX][walkY];
    if (v != own && v != kCellEmpty) break;
    if (v == kCellEmpty && gap != 0) break;
    length++;
    if (v == kCellEmpty) gap = length;
    walkX += stepX[d];
    walkY += stepY[d];
  }
  tables.spanLen[index] = length;
  tables.spanGap[index] = gap;
  tables.spanFree[index] = WalkWhile(walkX, walkY, d, kCellEmpty);
}

void ScanCell(int x, int y) {
  CellTables& tables = cellTables[x][y];
  for (int p = 0; p < kPlayers; p++)
    for (int d = 0; d < kDirections; d++) ScanDirection(tables, x, y, p, d);
}

void SelectCell(int x, int y) { currentTables = &cellTables[x][y]; }

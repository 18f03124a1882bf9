// Board state, candidate marking and the SearchBox.
#include "engine/board/position.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "engine/analysis/cell_tables.h"

namespace tulvo::engine {

uint8_t board[kBoardSide][kBoardSide];
uint8_t candidateMask[kBoardSide][kBoardSide];
uint8_t boardMax = kMaxCoordinate;
int32_t stoneCount = 0;
int sideToMove = 1;
SearchBox searchBox = {999, 999, -999, -999};

void ResetPosition() {
  memset(board, 0, sizeof board);
  memset(candidateMask, 0, sizeof candidateMask);
  boardMax = kMaxCoordinate;
  stoneCount = 0;
  sideToMove = 1;
  searchBox = {999, 999, -999, -999};
}

bool IsOnBoard(int x, int y) {
  int last = std::min(int(boardMax), kMaxCoordinate);
  return x >= 0 && x <= last && y >= 0 && y <= last;
}

void PlaceStone(int x, int y, uint8_t code) {
  assert(IsWithinBoardStorage(x, y));
  board[x][y] = code;
  MarkCandidates(x, y);
  stoneCount++;
}

void MarkCandidates(int x, int y) {
  int last = std::min(int(boardMax), kMaxCoordinate);
  int x0 = std::max(x - 2, 0), y0 = std::max(y - 2, 0);
  int x1 = std::min(x + 2, last), y1 = std::min(y + 2, last);
  for (int i = x0; i <= x1; i++)
    for (int j = y0; j <= y1; j++) candidateMask[i][j] = 1;
}

void PrepareCandidates() {
  SearchBox box = {999, 999, -999, -999};
  assert(boardMax <= kMaxCoordinate);
  PrepareLineMasks();
  for (int x = 0; x <= boardMax && x < kBoardSide; x++) {
    for (int y = 0; y <= boardMax && y < kBoardSide; y++) {
      if (candidateMask[x][y] == 0) continue;
      ScanCell(x, y);
      box.minX = std::min(box.minX, x);
      box.minY = std::min(box.minY, y);
      box.maxX = std::max(box.maxX, x);
      box.maxY = std::max(box.maxY, y);
    }
  }
  box.minX = std::max(box.minX - 2, 0);
  box.minY = std::max(box.minY - 2, 0);
  box.maxX = std::min(box.maxX + 2, int(boardMax));
  box.maxY = std::min(box.maxY + 2, int(boardMax));
  searchBox = box;
}

}  // namespace tulvo::engine

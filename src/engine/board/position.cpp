// Board state and candidate marking.
#include "engine/board/position.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace tulvo::engine {

void ResetPosition(BoardState& s) {
  memset(s.board, 0, sizeof s.board);
  memset(s.candidateMask, 0, sizeof s.candidateMask);
  s.boardMax = kMaxCoordinate;
  s.stoneCount = 0;
  s.sideToMove = 1;
  s.searchBox = {999, 999, -999, -999};
}

bool IsOnBoard(const BoardState& s, int x, int y) {
  int last = std::min(int(s.boardMax), kMaxCoordinate);
  return x >= 0 && x <= last && y >= 0 && y <= last;
}

void PlaceStone(BoardState& s, int x, int y, uint8_t code) {
  assert(IsWithinBoardStorage(x, y));
  s.board[x][y] = code;
  MarkCandidates(s, x, y);
  s.stoneCount++;
}

void MarkCandidates(BoardState& s, int x, int y) {
  int last = std::min(int(s.boardMax), kMaxCoordinate);
  int x0 = std::max(x - 2, 0), y0 = std::max(y - 2, 0);
  int x1 = std::min(x + 2, last), y1 = std::min(y + 2, last);
  for (int i = x0; i <= x1; i++)
    for (int j = y0; j <= y1; j++) s.candidateMask[i][j] = 1;
}

}  // namespace tulvo::engine

// Sets bestMove for a board of 0, 1 or 2 stones.
#include "engine/choice/opening.h"

#include "engine/board/position.h"
#include "engine/board/random.h"
#include "engine/choice/move_search.h"

namespace tulvo::engine {

// A walk over a board of at most two stones ends within two steps' reach; this bound
// only guards boards that front ends fill with blocking cells.
constexpr int kMaxWalkSteps = 10000;

static bool IsFreeCell(int x, int y) { return IsOnBoard(x, y) && board[x][y] == kCellEmpty; }

// The stone with the largest x and, among those, the largest y; (0, 0) without one.
static Move LastStone() {
  Move last = {0, 0};
  for (int x = 0; x <= boardMax; x++)
    for (int y = 0; y <= boardMax; y++)
      if (board[x][y] != kCellEmpty) last = {x, y};
  return last;
}

// When the chosen cell is taken or off the board: its first free neighbour in
// direction order, else the first free cell of the board, else no move.
static Move NearestFreeCell(Move cell) {
  for (int d = 0; d < kDirections; d++)
    if (IsFreeCell(cell.x + stepX[d], cell.y + stepY[d])) return {cell.x + stepX[d], cell.y + stepY[d]};
  for (int x = 0; x <= boardMax; x++)
    for (int y = 0; y <= boardMax; y++)
      if (board[x][y] == kCellEmpty) return {x, y};
  return {-1, -1};
}

// The centre, or its repair when a front end has blocked it; the file program's
// boards hold no blocked cells, so its centre is always free.
void OpenOnEmptyBoard() {
  const Move centre = {boardMax / 2, boardMax / 2};
  bestMove = IsFreeCell(centre.x, centre.y) ? centre : NearestFreeCell(centre);
  bestScore = kOpeningScore;
}

static Move RandomWalk(Move start) {
  Move cell = start;
  for (int step = 0; step < kMaxWalkSteps; step++) {
    int d = Random(8);
    Move next = {cell.x + stepX[d], cell.y + stepY[d]};
    if (!IsOnBoard(next.x, next.y)) break;
    cell = next;
    if (board[cell.x][cell.y] == kCellEmpty) return cell;
  }
  return NearestFreeCell(cell);
}

void OpenNearLastStone() {
  Move last = LastStone();
  bestScore = kOpeningScore;
  int edge = int(boardMax) - 1;
  if (last.x > 1 && last.y > 1 && last.x < edge && last.y < edge) {
    bestMove = RandomWalk(last);
    return;
  }
  Move centre;
  centre.x = boardMax / 2 + Random(2);
  centre.y = boardMax / 2 + Random(2);
  bestMove = IsFreeCell(centre.x, centre.y) ? centre : NearestFreeCell(centre);
}

}  // namespace tulvo::engine

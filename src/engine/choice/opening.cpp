// Sets bestMove for a board of 0, 1 or 2 stones.
#include "engine/choice/opening.h"

#include "engine/board/position.h"
#include "engine/board/random.h"
#include "engine/choice/engine_state.h"
#include "engine/choice/move_search.h"

namespace tulvo::engine {

// A walk over a board of at most two stones ends within two steps' reach; this bound
// only guards boards that front ends fill with blocking cells.
constexpr int kMaxWalkSteps = 10000;

static bool IsFreeCell(const BoardState& s, int x, int y) { return IsOnBoard(s, x, y) && s.board[x][y] == kCellEmpty; }

// The stone with the largest x and, among those, the largest y; (0, 0) without one.
static Move LastStone(const BoardState& s) {
  Move last = {0, 0};
  for (int x = 0; x <= s.boardMax; x++)
    for (int y = 0; y <= s.boardMax; y++)
      if (s.board[x][y] != kCellEmpty) last = {x, y};
  return last;
}

// When the chosen cell is taken or off the board: its first free neighbour in
// direction order, else the first free cell of the board, else no move.
static Move NearestFreeCell(const BoardState& s, Move cell) {
  for (int d = 0; d < kDirections; d++)
    if (IsFreeCell(s, cell.x + stepX[d], cell.y + stepY[d])) return {cell.x + stepX[d], cell.y + stepY[d]};
  for (int x = 0; x <= s.boardMax; x++)
    for (int y = 0; y <= s.boardMax; y++)
      if (s.board[x][y] == kCellEmpty) return {x, y};
  return {-1, -1};
}

// The centre, or its repair when a front end has blocked it; the file program's
// boards hold no blocked cells, so its centre is always free.
void OpenOnEmptyBoard(EngineState& s) {
  const Move centre = {s.boardMax / 2, s.boardMax / 2};
  s.bestMove = IsFreeCell(s, centre.x, centre.y) ? centre : NearestFreeCell(s, centre);
  s.bestScore = kOpeningScore;
}

static Move RandomWalk(BoardState& s, Move start) {
  Move cell = start;
  for (int step = 0; step < kMaxWalkSteps; step++) {
    int d = Random(s, 8);
    Move next = {cell.x + stepX[d], cell.y + stepY[d]};
    if (!IsOnBoard(s, next.x, next.y)) break;
    cell = next;
    if (s.board[cell.x][cell.y] == kCellEmpty) return cell;
  }
  return NearestFreeCell(s, cell);
}

void OpenNearLastStone(EngineState& s) {
  Move last = LastStone(s);
  s.bestScore = kOpeningScore;
  int edge = int(s.boardMax) - 1;
  if (last.x > 1 && last.y > 1 && last.x < edge && last.y < edge) {
    s.bestMove = RandomWalk(s, last);
    return;
  }
  Move centre;
  centre.x = s.boardMax / 2 + Random(s, 2);
  centre.y = s.boardMax / 2 + Random(s, 2);
  s.bestMove = IsFreeCell(s, centre.x, centre.y) ? centre : NearestFreeCell(s, centre);
}

}  // namespace tulvo::engine

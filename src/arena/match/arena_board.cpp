// The referee's board: stones, five-in-a-row detection and a text picture.
#include "arena/match/arena_board.h"

namespace tulvo::arena {

ArenaBoard::ArenaBoard(int side) : side_(side), cells_(size_t(side * side), kCellEmpty) {}

void ArenaBoard::Place(Point p) {
  cells_[size_t(p.y * side_ + p.x)] = ToMove();
  stones_++;
}

// Stones of the same colour as p's, counted from p's neighbour one step away.
int ArenaBoard::RunFrom(Point p, Point step) const {
  uint8_t stone = At(p);
  int count = 0;
  for (Point q{p.x + step.x, p.y + step.y}; Contains(q) && At(q) == stone; q = {q.x + step.x, q.y + step.y}) count++;
  return count;
}

bool ArenaBoard::MakesFive(Point p, Rule rule) const {
  if (!Contains(p) || At(p) == kCellEmpty) return false;
  for (Point step : kAxisSteps) {
    int run = 1 + RunFrom(p, step) + RunFrom(p, {-step.x, -step.y});
    if (run == 5 || (run > 5 && rule == Rule::kFreeStyle)) return true;
  }
  return false;
}

std::string ArenaBoard::Rows() const {
  std::string text;
  for (int y = 0; y < side_; y++) {
    for (int x = 0; x < side_; x++) {
      uint8_t stone = At({x, y});
      text += stone == kCellEmpty ? '-' : StoneLetter(stone);
    }
    text += '\n';
  }
  return text;
}

char StoneLetter(uint8_t stone) { return stone == kCellX ? 'x' : 'o'; }

}  // namespace tulvo::arena

// The referee's board: stones, five-in-a-row detection and a text picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tulvo::arena {

struct Point {
  int x;
  int y;
  bool operator==(const Point&) const = default;
};

// The referee's own few lines of geometry, apart from the engine's, so that it checks
// the engine instead of sharing its mistakes. Cells hold no stone, X's or O's.
constexpr uint8_t kCellEmpty = 0, kCellX = 1, kCellO = 2;
// The four axes of a line, each as the step to the next cell one way along it:
// across, down-right, down, down-left.
constexpr int kAxes = 4;
constexpr Point kAxisSteps[kAxes] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}};

// Which lines win: five or more in a row (free style, 0), or exactly five (1), where
// a line of six or more does not win. The numbers are those of the pipe protocol.
enum class Rule { kFreeStyle = 0, kExactlyFive = 1 };

// Stones are kCellEmpty, kCellX or kCellO; X always moves first.
class ArenaBoard {
 public:
  explicit ArenaBoard(int side);

  int side() const { return side_; }
  int stones() const { return stones_; }
  bool Contains(Point p) const { return p.x >= 0 && p.y >= 0 && p.x < side_ && p.y < side_; }
  uint8_t At(Point p) const { return cells_[size_t(p.y * side_ + p.x)]; }
  bool IsFull() const { return stones_ == side_ * side_; }
  // The stone whose turn it is: X after an even number of stones.
  uint8_t ToMove() const { return stones_ % 2 == 0 ? kCellX : kCellO; }
  // Places the side to move's stone on an empty cell inside the board.
  void Place(Point p);
  // True when the stone at p is part of a winning line along some axis: five or
  // more in a row, or under kExactlyFive exactly five.
  bool MakesFive(Point p, Rule rule = Rule::kFreeStyle) const;
  // Rows of '-', 'x' and 'o', each ended by LF: the plocha.dat layout.
  std::string Rows() const;

 private:
  int RunFrom(Point p, Point step) const;

  int side_;
  int stones_ = 0;
  std::vector<uint8_t> cells_;
};

// The letter of a stone in plocha.dat and tah.dat: 'x' or 'o'.
char StoneLetter(uint8_t stone);

}  // namespace tulvo::arena

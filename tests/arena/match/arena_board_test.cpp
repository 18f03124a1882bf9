// Five-in-a-row detection in every direction, at the edges, with overlines.
#include "arena/match/arena_board.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tulvo::arena;

namespace {

bool Near(Point a, Point b) { return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1; }

// Places xs as X stones, with O stones interleaved on every third cell of the two
// rows farthest from the xs, where they neither touch the xs nor line up.
ArenaBoard WithXStones(int side, const std::vector<Point>& xs) {
  bool xsLow = std::all_of(xs.begin(), xs.end(), [&](Point p) { return p.y < side / 2; });
  std::vector<Point> fillers;
  for (int row : {xsLow ? side - 1 : 0, xsLow ? side - 3 : 2}) {
    for (int x = 0; x < side; x += 3) {
      Point p{x, row};
      if (std::none_of(xs.begin(), xs.end(), [&](Point q) { return Near(p, q); })) fillers.push_back(p);
    }
  }
  ArenaBoard board(side);
  for (size_t i = 0; i < xs.size(); i++) {
    board.Place(xs[i]);
    if (i + 1 < xs.size()) board.Place(fillers.at(i));
  }
  return board;
}

// Cells from start, count steps of (dx, dy).
std::vector<Point> Line(Point start, int dx, int dy, int count) {
  std::vector<Point> cells;
  for (int k = 0; k < count; k++) cells.push_back({start.x + k * dx, start.y + k * dy});
  return cells;
}

struct LineCase {
  const char* name;
  int side;
  std::vector<Point> xs;
  bool five;
};

TEST(ArenaBoard, FindsFivesAndOnlyFives) {
  const LineCase cases[] = {
      {"horizontal in the middle", 15, Line({3, 5}, 1, 0, 5), true},
      {"vertical on the left edge", 15, Line({0, 0}, 0, 1, 5), true},
      {"vertical on the right edge of 20", 20, Line({19, 2}, 0, 1, 5), true},
      {"diagonal into the corner", 15, Line({10, 10}, 1, 1, 5), true},
      {"diagonal from the top-left corner of 20", 20, Line({0, 0}, 1, 1, 5), true},
      {"anti-diagonal to the top-right corner", 20, Line({15, 4}, 1, -1, 5), true},
      {"anti-diagonal in the bottom-left corner", 15, Line({0, 14}, 1, -1, 5), true},
      {"horizontal along the bottom edge", 15, Line({10, 14}, 1, 0, 5), true},
      {"overline of six", 15, Line({2, 4}, 1, 0, 6), true},
      {"overline of seven on a diagonal", 20, Line({5, 5}, 1, 1, 7), true},
      {"four", 15, Line({3, 5}, 1, 0, 4), false},
      {"four on the last row", 20, Line({16, 19}, 1, 0, 4), false},
      {"broken five", 15, {{3, 5}, {4, 5}, {6, 5}, {7, 5}, {8, 5}}, false},
      {"row end does not wrap into the next row", 15, {{12, 3}, {13, 3}, {14, 3}, {0, 4}, {1, 4}}, false},
      {"column end does not wrap", 15, {{3, 12}, {3, 13}, {3, 14}, {4, 0}, {4, 1}}, false},
      {"diagonal does not wrap", 15, {{12, 2}, {13, 3}, {14, 4}, {0, 5}, {1, 6}}, false},
  };
  for (const LineCase& c : cases) {
    ArenaBoard board = WithXStones(c.side, c.xs);
    bool exactlyFive = c.five && c.xs.size() == 5;  // every five in the table is a line of c.xs alone
    for (Point p : c.xs) {
      EXPECT_EQ(board.MakesFive(p), c.five) << c.name << " at " << p.x << "," << p.y;
      EXPECT_EQ(board.MakesFive(p, Rule::kExactlyFive), exactlyFive) << c.name << " at " << p.x << "," << p.y;
    }
  }
}

// Under exactly five, a five wins beside an overline on another axis through the stone.
TEST(ArenaBoard, ExactlyFiveLooksAtEveryAxis) {
  std::vector<Point> xs = Line({2, 7}, 1, 0, 6);
  for (Point p : Line({4, 3}, 0, 1, 4)) xs.push_back(p);
  ArenaBoard board = WithXStones(20, xs);
  EXPECT_TRUE(board.MakesFive({4, 7}, Rule::kExactlyFive)) << "column 4 holds exactly five";
  EXPECT_FALSE(board.MakesFive({3, 7}, Rule::kExactlyFive)) << "row 7 holds six";
}

TEST(ArenaBoard, AFiveBelongsToItsStonesOnly) {
  ArenaBoard board = WithXStones(15, Line({3, 5}, 1, 0, 5));
  EXPECT_FALSE(board.MakesFive({3, 14})) << "an O filler";
  EXPECT_FALSE(board.MakesFive({2, 5})) << "an empty cell next to the five";
  EXPECT_FALSE(board.MakesFive({-1, 5})) << "off the board";
}

TEST(ArenaBoard, AnOpponentStoneCutsTheLine) {
  ArenaBoard board(15);
  for (Point p : std::vector<Point>{{0, 0}, {2, 0}, {1, 0}, {0, 9}, {3, 0}, {0, 11}, {4, 0}, {0, 13}, {5, 0}}) {
    board.Place(p);
  }
  EXPECT_FALSE(board.MakesFive({5, 0})) << "x x o x x x: only three after the O at 2,0";
  EXPECT_EQ(board.ToMove(), kCellO);
}

TEST(ArenaBoard, RowsAreThePlochaLayout) {
  ArenaBoard board(15);
  board.Place({0, 0});
  board.Place({14, 14});
  std::string rows = board.Rows();
  EXPECT_EQ(rows.size(), size_t(15 * 16));
  EXPECT_EQ(rows.substr(0, 16), "x--------------\n");
  EXPECT_EQ(rows.substr(14 * 16), "--------------o\n");
  EXPECT_EQ(board.stones(), 2);
}

}  // namespace

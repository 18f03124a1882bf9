// Opening files and random balanced openings.
#include "arena/openings.h"

#include <gtest/gtest.h>

#include <set>

using namespace tulvo::arena;

namespace {

TEST(ParseOpenings, ReadsCellsRelativeToTheCentre) {
  std::string error;
  auto openings = ParseOpenings("# two openings\n0,0 1,0 -1,1\n\n  0,-2   2,2 # trailing note\r\n", 15, error);
  ASSERT_TRUE(openings) << error;
  ASSERT_EQ(openings->size(), 2u);
  EXPECT_EQ((*openings)[0], (Opening{{7, 7}, {8, 7}, {6, 8}}));
  EXPECT_EQ((*openings)[1], (Opening{{7, 5}, {9, 9}}));
  auto onTwenty = ParseOpenings("0,0 -10,9\n", 20, error);
  ASSERT_TRUE(onTwenty) << error;
  EXPECT_EQ((*onTwenty)[0], (Opening{{10, 10}, {0, 19}}));
}

TEST(ParseOpenings, RejectsBadLinesNamingThem) {
  struct Case {
    const char* text;
    int side;
    const char* needle;
  };
  const Case cases[] = {
      {"0,0\n1;1\n", 15, "line 2: '1;1'"},  {"0,0 x,1\n", 15, "line 1: 'x,1'"},
      {"0,0 1,2,3\n", 15, "line 1"},        {"0,0 8,0\n", 15, "line 1: a cell is off the board"},
      {"0,0 -8,0\n", 15, "off the board"},  {"0,0 10,0\n", 20, "off the board"},
      {"0,0\n0,0 1,1 0,0\n", 15, "line 2"}, {"0,0 0,1 1,0 1,1 2,0 2,1 3,0 3,1 4,0\n", 15, "makes five"},
      {"# nothing\n\n", 15, "no opening"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseOpenings(c.text, c.side, error)) << c.text;
    EXPECT_NE(error.find(c.needle), std::string::npos) << c.text << " gave: " << error;
  }
}

// Three stones of one colour inside five cells of a line, checked by brute force.
bool HasReadyThreat(const Opening& opening) {
  std::set<std::pair<int, int>> colour[2];
  for (size_t i = 0; i < opening.size(); i++) colour[i % 2].insert({opening[i].x, opening[i].y});
  const int steps[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
  for (const auto& stones : colour) {
    for (int x = -5; x < 25; x++) {
      for (int y = -5; y < 25; y++) {
        for (const auto& step : steps) {
          int count = 0;
          for (int k = 0; k < 5; k++) count += int(stones.count({x + k * step[0], y + k * step[1]}));
          if (count >= 3) return true;
        }
      }
    }
  }
  return false;
}

TEST(RandomOpenings, AreNearTheCentreDistinctAndWithoutReadyThreats) {
  for (int side : {15, 20}) {
    for (int stones : {0, 1, 4, 8}) {
      auto openings = RandomOpenings(300, stones, side, 7);
      ASSERT_EQ(openings.size(), 300u);
      std::set<std::vector<std::pair<int, int>>> different;
      for (const Opening& opening : openings) {
        ASSERT_EQ(int(opening.size()), stones);
        std::set<std::pair<int, int>> cells;
        std::vector<std::pair<int, int>> sequence;
        for (Point p : opening) {
          sequence.push_back({p.x, p.y});
          EXPECT_LE(std::abs(p.x - side / 2), 3);
          EXPECT_LE(std::abs(p.y - side / 2), 3);
          cells.insert({p.x, p.y});
        }
        EXPECT_EQ(cells.size(), opening.size());
        EXPECT_FALSE(HasReadyThreat(opening));
        different.insert(sequence);
      }
      if (stones >= 4) {
        EXPECT_GT(different.size(), 290u) << "openings repeat too often";
      }
    }
  }
}

TEST(RandomOpenings, FollowTheSeed) {
  EXPECT_EQ(RandomOpenings(50, 4, 15, 1), RandomOpenings(50, 4, 15, 1));
  EXPECT_NE(RandomOpenings(50, 4, 15, 1), RandomOpenings(50, 4, 15, 2));
  auto longer = RandomOpenings(60, 4, 15, 1);
  EXPECT_EQ(std::vector<Opening>(longer.begin(), longer.begin() + 50), RandomOpenings(50, 4, 15, 1))
      << "asking for more games keeps the first openings";
}

}  // namespace

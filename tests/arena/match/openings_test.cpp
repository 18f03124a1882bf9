// Random balanced openings, and the variants and order of a list of openings.
#include "arena/match/openings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace tulvo::arena;

namespace {

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

TEST(WithTransforms, GiveEightDistinctVariantsOfAnAsymmetricOpening) {
  Opening asymmetric{{7, 7}, {8, 7}, {9, 5}};
  auto all = WithTransforms({asymmetric, {{7, 7}}}, 15);
  ASSERT_EQ(all.size(), 9u) << "the centre alone is its own image under every symmetry";
  EXPECT_EQ(all[0], asymmetric);
  EXPECT_EQ(all[8], (Opening{{7, 7}}));
  std::set<std::vector<std::pair<int, int>>> cellSets;
  for (size_t i = 0; i < 8; i++) {
    std::vector<std::pair<int, int>> offsets;
    for (Point p : all[i]) offsets.push_back({p.x - 7, p.y - 7});
    // Every symmetry keeps distances from the centre and between the stones.
    EXPECT_EQ(offsets[0], std::make_pair(0, 0));
    EXPECT_EQ(std::abs(offsets[1].first) + std::abs(offsets[1].second), 1) << i;
    EXPECT_EQ(offsets[2].first * offsets[2].first + offsets[2].second * offsets[2].second, 8) << i;
    cellSets.insert(offsets);
  }
  EXPECT_EQ(cellSets.size(), 8u);
  EXPECT_EQ(WithTransforms({{{7, 7}, {8, 8}}}, 15).size(), 4u) << "a diagonal pair has four images";
  EXPECT_EQ(WithTransforms({{{10, 10}, {0, 10}}}, 20).size(), 2u) << "on 20x20, -10 has no mirror image";
}

TEST(Shuffled, IsAPermutationThatFollowsTheSeed) {
  auto openings = RandomOpenings(40, 3, 15, 3);
  auto once = Shuffled(openings, 9);
  EXPECT_EQ(once, Shuffled(openings, 9));
  EXPECT_NE(once, Shuffled(openings, 10));
  EXPECT_NE(once, openings);
  std::sort(once.begin(), once.end(), [](const Opening& a, const Opening& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](Point p, Point q) { return std::pair(p.x, p.y) < std::pair(q.x, q.y); });
  });
  auto sorted = openings;
  std::sort(sorted.begin(), sorted.end(), [](const Opening& a, const Opening& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](Point p, Point q) { return std::pair(p.x, p.y) < std::pair(q.x, q.y); });
  });
  EXPECT_EQ(once, sorted);
}

}  // namespace

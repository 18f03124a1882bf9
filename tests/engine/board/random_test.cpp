#include "engine/board/random.h"

#include <gtest/gtest.h>

using namespace tulvo::engine;

TEST(Random, SeedZeroGivesKnownSequence) {
  BoardState s = {};
  s.randomSeed = 0;
  EXPECT_EQ(Random(s, 8), 0);
  EXPECT_EQ(Random(s, 8), 0);
  EXPECT_EQ(Random(s, 8), 6);
}

TEST(Random, BoundOneReturnsZeroAndStillAdvances) {
  BoardState s = {};
  s.randomSeed = 0;
  EXPECT_EQ(Random(s, 1), 0);
  EXPECT_EQ(s.randomSeed, 1u);
  EXPECT_EQ(Random(s, 1), 0);
  EXPECT_EQ(s.randomSeed, 134775814u);
}

TEST(Random, ResultIsHighHalfOfProduct) {
  BoardState s = {};
  s.randomSeed = 0xFFFFFFFEu;  // next seed: 0xFFFFFFFE * 134775813 + 1 mod 2^32
  uint32_t next = 0xFFFFFFFEu * 134775813u + 1u;
  EXPECT_EQ(Random(s, 1000), int((uint64_t(next) * 1000u) >> 32));
  EXPECT_EQ(s.randomSeed, next);
}

TEST(Random, DrawsStayBelowBound) {
  BoardState s = {};
  s.randomSeed = 12345;
  for (int n = 1; n <= 50; n++)
    for (int i = 0; i < 200; i++) {
      int r = Random(s, n);
      ASSERT_GE(r, 0);
      ASSERT_LT(r, n);
    }
}

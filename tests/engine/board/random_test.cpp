#include "engine/board/random.h"

#include <gtest/gtest.h>

#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo;
using namespace tulvo::test;

TEST(Random, SeedZeroGivesKnownSequence) {
  randomSeed = 0;
  EXPECT_EQ(Random(8), 0);
  EXPECT_EQ(Random(8), 0);
  EXPECT_EQ(Random(8), 6);
}

TEST(Random, BoundOneReturnsZeroAndStillAdvances) {
  randomSeed = 0;
  EXPECT_EQ(Random(1), 0);
  EXPECT_EQ(randomSeed, 1u);
  EXPECT_EQ(Random(1), 0);
  EXPECT_EQ(randomSeed, 134775814u);
}

TEST(Random, ResultIsHighHalfOfProduct) {
  randomSeed = 0xFFFFFFFEu;  // next seed: 0xFFFFFFFE * 134775813 + 1 mod 2^32
  uint32_t next = 0xFFFFFFFEu * 134775813u + 1u;
  EXPECT_EQ(Random(1000), int((uint64_t(next) * 1000u) >> 32));
  EXPECT_EQ(randomSeed, next);
}

TEST(Random, DrawsStayBelowBound) {
  randomSeed = 12345;
  for (int n = 1; n <= 50; n++)
    for (int i = 0; i < 200; i++) {
      int r = Random(n);
      ASSERT_GE(r, 0);
      ASSERT_LT(r, n);
    }
}

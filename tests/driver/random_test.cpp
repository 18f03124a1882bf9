#include "driver/random.h"

#include <gtest/gtest.h>

#include "driver/clock_seed.h"
#include "driver/platform_memory.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::file_program;
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

TEST(SeedRandom, IsMillisecondsSinceMidnight) {
  struct Case {
    UtcTimeOfDay time;
    uint32_t seed;
  };
  const Case cases[] = {
      {{0, 0, 0, 0}, 0},
      {{0, 0, 0, 1}, 1},
      {{0, 0, 1, 0}, 1000},
      {{1, 2, 3, 4}, 3723004},
      {{23, 59, 59, 999}, 86399999},
  };
  for (const Case& c : cases) {
    MemoryPlatformReset();
    MemoryPlatformSetClock(c.time);
    SeedRandom();
    EXPECT_EQ(randomSeed, c.seed);
  }
}

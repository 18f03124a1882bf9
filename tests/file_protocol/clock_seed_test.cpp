// The clock's seed: the UTC time of day in milliseconds.
#include <gtest/gtest.h>
#include <tulvo/file_protocol.h>
#include <tulvo/platform.h>

namespace tulvo {
namespace {

TEST(SeedOfTimeOfDay, IsMillisecondsSinceMidnight) {
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
  for (const Case& c : cases)
    EXPECT_EQ(SeedOfTimeOfDay(c.time.hour, c.time.minute, c.time.second, c.time.millisecond), c.seed);
}

}  // namespace
}  // namespace tulvo

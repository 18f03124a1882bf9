// Reading game clocks written as MATCH[/TURN][+INC] seconds.
#include "arena/match/time_control.h"

#include <gtest/gtest.h>

using namespace tulvo::arena;

namespace {

TEST(ParseTimeControl, ReadsMatchTurnAndIncrement) {
  struct Case {
    const char* text;
    int matchMs, turnMs, incrementMs;
  };
  const Case cases[] = {{"300", 300000, 0, 0},    {"180/5", 180000, 5000, 0},
                        {"60+1", 60000, 0, 1000}, {"180/5+0.5", 180000, 5000, 500},
                        {"0.25", 250, 0, 0},      {"2+0", 2000, 0, 0}};
  for (const Case& c : cases) {
    std::string error;
    auto clock = ParseTimeControl(c.text, error);
    ASSERT_TRUE(clock) << c.text << ": " << error;
    EXPECT_EQ(clock->matchMs, c.matchMs) << c.text;
    EXPECT_EQ(clock->turnMs, c.turnMs) << c.text;
    EXPECT_EQ(clock->incrementMs, c.incrementMs) << c.text;
  }
  for (const char* bad : {"", "0", "-5", "60/", "60/0", "60+", "a/5", "60/5/5", "60+1+1", "1e9", " 60"}) {
    std::string error;
    EXPECT_FALSE(ParseTimeControl(bad, error)) << bad;
    EXPECT_NE(error.find("--tc needs MATCH[/TURN][+INC]"), std::string::npos) << bad;
  }
}

}  // namespace

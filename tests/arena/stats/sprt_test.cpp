// The SPRT: its log-likelihood ratio, bounds, verdicts and the option that sets it.
#include "arena/stats/sprt.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tulvo::arena;

namespace {

// The same ratio, worked out the plain way: the mean and the mean square of the
// game scores 1, 1/2 and 0, with a missing result counted as half a game.
double PlainLlr(double elo0, double elo1, double w, double d, double l) {
  w = w == 0 ? 0.5 : w;
  d = d == 0 ? 0.5 : d;
  l = l == 0 ? 0.5 : l;
  double n = w + d + l;
  double mean = (w + d / 2) / n, meanSquare = (w + d / 4) / n;
  double variance = meanSquare - mean * mean;
  double s0 = 1 / (1 + std::pow(10, -elo0 / 400)), s1 = 1 / (1 + std::pow(10, -elo1 / 400));
  return (s1 - s0) * (2 * mean - s0 - s1) / (2 * variance / n);
}

TEST(SprtLlr, EqualsThePlainFormula) {
  struct Case {
    int wins, draws, losses;
    double elo0, elo1;
  };
  const Case cases[] = {{60, 20, 20, 0, 50}, {30, 40, 30, 0, 50},  {10, 5, 30, 0, 50}, {7, 0, 3, -10, 10},
                        {100, 0, 0, 0, 50},  {500, 20, 480, 0, 5}, {1, 0, 0, 0, 50},   {0, 0, 4, 0, 50}};
  for (const Case& c : cases) {
    SprtTest test{c.elo0, c.elo1};
    double plain = PlainLlr(c.elo0, c.elo1, c.wins, c.draws, c.losses);
    EXPECT_NEAR(SprtLlr(test, c.wins, c.draws, c.losses), plain, 1e-9 * std::max(1.0, std::abs(plain)))
        << c.wins << "/" << c.draws << "/" << c.losses;
  }
  // One value by hand: 60/20/20 has mean 0.7 and variance 0.16; s0 = 0.5, s1 = 0.571463.
  EXPECT_NEAR(SprtLlr(SprtTest{0, 50}, 60, 20, 20), 100 * 0.071463 * (1.4 - 1.071463) / 0.32, 1e-3);
}

TEST(SprtTest, BoundsAndVerdicts) {
  SprtTest test{0, 50};
  EXPECT_NEAR(test.LowerBound(), -2.944439, 1e-6);
  EXPECT_NEAR(test.UpperBound(), 2.944439, 1e-6);
  SprtTest uneven{0, 50, 0.05, 0.1};
  EXPECT_NEAR(uneven.LowerBound(), std::log(0.1 / 0.95), 1e-12);
  EXPECT_NEAR(uneven.UpperBound(), std::log(0.9 / 0.05), 1e-12);
  EXPECT_EQ(Verdict(test, 2.95), SprtVerdict::kH1);
  EXPECT_EQ(Verdict(test, 2.94), SprtVerdict::kOpen);
  EXPECT_EQ(Verdict(test, -2.95), SprtVerdict::kH0);
  EXPECT_EQ(Verdict(test, SprtLlr(test, 100, 0, 0)), SprtVerdict::kH1);
  EXPECT_EQ(Verdict(test, SprtLlr(test, 0, 0, 100)), SprtVerdict::kH0);
  EXPECT_EQ(Verdict(test, SprtLlr(test, 10, 0, 10)), SprtVerdict::kOpen);
  EXPECT_EQ(Verdict(test, SprtLlr(test, 1, 0, 0)), SprtVerdict::kOpen) << "one game decides nothing";
  EXPECT_EQ(Verdict(test, SprtLlr(test, 3, 0, 0)), SprtVerdict::kOpen);
}

TEST(ParseSprt, ReadsTwoOrFourNumbers) {
  std::string error;
  auto two = ParseSprt("0,50", error);
  ASSERT_TRUE(two) << error;
  EXPECT_EQ(two->elo0, 0);
  EXPECT_EQ(two->elo1, 50);
  EXPECT_EQ(two->alpha, 0.05);
  EXPECT_EQ(two->beta, 0.05);
  auto four = ParseSprt("-5.5,2.5,0.01,0.1", error);
  ASSERT_TRUE(four) << error;
  EXPECT_EQ(four->elo0, -5.5);
  EXPECT_EQ(four->beta, 0.1);
  for (const char* bad : {"", "50", "50,0", "0,50,0.05", "0,50,0,0.05", "0,50,0.05,0.5", "0, 50", "0,5x", "0,nan"}) {
    EXPECT_FALSE(ParseSprt(bad, error)) << bad;
    EXPECT_NE(error.find("--sprt"), std::string::npos) << bad;
  }
}

}  // namespace

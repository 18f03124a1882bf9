// The shared integer parser: what is well formed, and what a value out of range gives.
#include "common/parse_number.h"

#include <gtest/gtest.h>

#include <string>

using namespace tulvo::text;

namespace {

constexpr int64_t kNone = INT64_MIN + 1;  // stands for "nothing" in the table

TEST(ParseInteger, WholeTextOrNothing) {
  struct Case {
    std::string text;
    int64_t refused, held;  // the result within [-1000, 1000] either way
  } cases[] = {
      {"0", 0, 0},
      {"-0", 0, 0},
      {"7", 7, 7},
      {"-7", -7, -7},
      {"007", 7, 7},
      {"1000", 1000, 1000},
      {"1001", kNone, 1000},
      {"-1001", kNone, -1000},
      {"99999999999999999999", kNone, 1000},  // beyond 64 bits
      {"-99999999999999999999", kNone, -1000},
      {"9223372036854775807", kNone, 1000},
      {"", kNone, kNone},
      {"-", kNone, kNone},
      {"+5", kNone, kNone},
      {"--5", kNone, kNone},
      {" 5", kNone, kNone},
      {"5 ", kNone, kNone},
      {"5x", kNone, kNone},
      {"99999999999999999999x", kNone, kNone},
      {"0x10", kNone, kNone},
      {"1.5", kNone, kNone},
  };
  for (const Case& c : cases) {
    std::optional<int64_t> refused = ParseInteger(c.text, -1000, 1000);
    std::optional<int64_t> held = ParseInteger(c.text, -1000, 1000, OutOfRange::kHeldAtBound);
    EXPECT_EQ(refused.value_or(kNone), c.refused) << c.text;
    EXPECT_EQ(held.value_or(kNone), c.held) << c.text;
  }
}

TEST(ParseInteger, TheWholeInt64RangeAsBounds) {
  EXPECT_EQ(ParseInteger("9223372036854775807", INT64_MIN, INT64_MAX), INT64_MAX);
  EXPECT_EQ(ParseInteger("-9223372036854775808", INT64_MIN, INT64_MAX), INT64_MIN);
  EXPECT_EQ(ParseInteger("9223372036854775808", INT64_MIN, INT64_MAX), std::nullopt);
  EXPECT_EQ(ParseInteger("9223372036854775808", INT64_MIN, INT64_MAX, OutOfRange::kHeldAtBound), INT64_MAX);
}

TEST(ParseInteger, TextNotEndedByANulCharacter) {
  std::string_view digits = std::string_view("123456").substr(0, 3);
  EXPECT_EQ(ParseInteger(digits, 0, 1000), 123);
}

TEST(ParseDecimal, TheWholeTextAsAFiniteNumber) {
  EXPECT_EQ(ParseDecimal("1.5"), 1.5);
  EXPECT_EQ(ParseDecimal("-3"), -3.0);
  EXPECT_EQ(ParseDecimal("2e1"), 20.0);
  for (const char* text : {"", "1.5s", " 1", "+1", "inf", "nan", "1e400", ","})
    EXPECT_EQ(ParseDecimal(text), std::nullopt) << '"' << text << '"';
}

}  // namespace

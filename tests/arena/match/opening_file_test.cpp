// Opening files in the offset, arena and position notations.
#include "arena/match/opening_file.h"

#include <gtest/gtest.h>

using namespace tulvo::arena;

namespace {

std::vector<Opening> Parse(const std::string& text, int side, OpeningFormat format = OpeningFormat::kAuto) {
  std::string error;
  auto openings = ParseOpenings(text, side, format, error);
  EXPECT_TRUE(openings) << text << " gave: " << error;
  return openings.value_or(std::vector<Opening>{});
}

TEST(ParseOpenings, TheThreeNotationsGiveTheSameOpenings) {
  // h8 is the centre of 15x15 (7,7); i6 is 8,5 and g9 is 6,8.
  const std::vector<Opening> expected = {{{7, 7}, {8, 5}, {6, 8}}, {{7, 5}, {9, 9}}};
  EXPECT_EQ(Parse("0,0, 1,-2, -1,1\n0,-2, 2,2,\n", 15), expected);
  EXPECT_EQ(Parse("0,0 1,-2 -1,1\n  0,-2   2,2 # trailing note\r\n", 15), expected);
  EXPECT_EQ(Parse("h8i6g9\n# a comment\n\nH6 J10\n", 15), expected);
  EXPECT_EQ(Parse("h8 i6 g9\n0,-2 2,2\n", 15), expected) << "each line in its own notation";
  EXPECT_EQ(Parse("0,0, 1,-2, -1,1\n0,-2, 2,2\n", 15, OpeningFormat::kOffset), expected);
  EXPECT_EQ(Parse("h8i6g9\nh6j10\n", 15, OpeningFormat::kPos), expected);
  EXPECT_EQ(Parse("8,-3, 6,-4, 5,-4\n", 20), (std::vector<Opening>{{{18, 7}, {16, 6}, {15, 6}}}));
  EXPECT_EQ(Parse("a1t20\n", 20), (std::vector<Opening>{{{0, 0}, {19, 19}}}));
}

TEST(ParseOpenings, ABadLineNamesItsLineTheCellAndTheReason) {
  struct Case {
    const char* text;
    int side;
    OpeningFormat format;
    const char* message;
  };
  const OpeningFormat kAuto = OpeningFormat::kAuto;
  const Case cases[] = {
      {"0,0\n0,0\n20,4\n", 15, kAuto, "opening line 3: 20,4 is off the 15x15 board"},
      {"0,0, -8,0\n", 15, kAuto, "opening line 1: -8,0 is off the 15x15 board"},
      {"0,0 10,0\n", 20, kAuto, "opening line 1: 10,0 is off the 20x20 board"},
      {"h8 p8\n", 15, kAuto, "opening line 1: p8 is off the 15x15 board"},
      {"h8 a0\n", 15, kAuto, "opening line 1: a0 is off the 15x15 board"},
      {"0,0\n0,0, 1,1, 0,0\n", 15, kAuto, "opening line 2: 0,0 repeats a cell"},
      {"h8i9h8\n", 15, kAuto, "opening line 1: h8 repeats a cell"},
      {"0,0 0,1 1,0 1,1 2,0 2,1 3,0 3,1 4,0\n", 15, kAuto, "opening line 1: 4,0 completes five in a row"},
      {"0,0\n1;1\n", 15, kAuto, "opening line 2: '1;1' is not x,y"},
      {"0,0 x,1\n", 15, kAuto, "opening line 1: 'x,1' is not x,y"},
      {"0,0, 1\n", 15, kAuto, "opening line 1: the offsets do not come in x,y pairs"},
      {"0,0,, 1,1\n", 15, kAuto, "opening line 1: '' is not a number"},
      {"h8 9i\n", 15, kAuto, "opening line 1: '9' is not a column letter and a row number"},
      {"h8i\n", 15, kAuto, "opening line 1: 'i' is not a column letter and a row number"},
      {"8,-3, 6,-4\n", 20, OpeningFormat::kArena, "opening line 1: '8,-3,' is not x,y"},
      {"0,0 1,1\n", 15, OpeningFormat::kOffset, "opening line 1: '0 1' is not a number"},
      {"# nothing\n\n", 15, kAuto, "the opening file holds no opening"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseOpenings(c.text, c.side, c.format, error)) << c.text;
    EXPECT_EQ(error, c.message) << c.text;
  }
}

TEST(OpeningFormatNamed, KnowsTheFourNames) {
  EXPECT_EQ(OpeningFormatNamed("offset"), OpeningFormat::kOffset);
  EXPECT_EQ(OpeningFormatNamed("pos"), OpeningFormat::kPos);
  EXPECT_EQ(OpeningFormatNamed("arena"), OpeningFormat::kArena);
  EXPECT_EQ(OpeningFormatNamed("auto"), OpeningFormat::kAuto);
  EXPECT_FALSE(OpeningFormatNamed("psq"));
}

}  // namespace

// The board picture, built in-process from a position and a seed.
#include <gtest/gtest.h>
#include <tulvo/file_protocol.h>

#include <regex>
#include <sstream>

#include "analyze/picture_output.h"
#include "support/engine_fixture.h"

using namespace tulvo::analyze;
using namespace tulvo::test;

namespace {

// X three at (10..12, 9): (9, 9) and (13, 9) make an open four.
std::vector<std::string> ThreeInARow() {
  std::vector<std::string> rows = EmptyRows(20);
  rows[9].replace(10, 3, "xxx");
  return rows;
}

std::string Picture(const std::vector<std::string>& rows, int side, int level, uint32_t seed, bool colour) {
  tulvo::BoardRead read = tulvo::ReadBoardText(BoardText(rows), side);
  EXPECT_TRUE(read.ok) << read.message;
  return FormatPicture(Analyze(tulvo::RequestOfBoard(read, level, seed)), colour);
}

// The picture's line that starts with the row label of y.
std::string BoardRow(const std::string& picture, int y) {
  std::istringstream lines(picture);
  std::string line, label = (y < 10 ? "  " : " ") + std::to_string(y) + " ";
  while (std::getline(lines, line))
    if (line.rfind(label, 0) == 0) return line;
  return "";
}

std::string ListedLine(const std::string& picture, const std::string& cell) {
  std::smatch match;
  std::regex line("\\n +[0-9]+  " + cell + " +[^\\n]*");
  return std::regex_search(picture, match, line) ? match.str().substr(1) : "";
}

}  // namespace

TEST(Picture, MarksTheMoveAndNamesWhatDecidedTheListedCells) {
  std::string picture = Picture(ThreeInARow(), 1, 2, 5, false);
  std::string move = picture.find("move 9,9") != std::string::npos ? "9,9" : "13,9";
  ASSERT_NE(picture.find("level 2, X to move, seed 5, 3 stones,"), std::string::npos) << picture;
  // Both open-four cells lead the list; the move is listed first and drawn as [1].
  EXPECT_NE(ListedLine(picture, "9,9").find("600000009         15  own open four or two fours"), std::string::npos)
      << picture;
  EXPECT_NE(ListedLine(picture, "13,9").find("own open four or two fours"), std::string::npos);
  EXPECT_NE(ListedLine(picture, move).find("  1  "), std::string::npos);
  std::string row = BoardRow(picture, 9);
  EXPECT_EQ(row.substr(4 + 3 * 10, 9), " X  X  X ");
  EXPECT_EQ(row.substr(4 + 3 * (move == "9,9" ? 9 : 13), 3), "[1]");

  std::string blocked = Picture(ThreeInARow(), 2, 2, 5, false);
  EXPECT_NE(ListedLine(blocked, "9,9").find("400000011         15  blocks open four or two fours"), std::string::npos)
      << blocked;
}

TEST(Picture, RulesNameTheDecidingRuleAtLevelsZeroAndOne) {
  std::string picture = Picture(ThreeInARow(), 1, 1, 5, false);
  EXPECT_NE(ListedLine(picture, "9,9").find("26015         15  rule 9: own open four"), std::string::npos) << picture;
  std::vector<std::string> rows = ThreeInARow();
  rows[9][13] = 'x';
  rows[0][0] = 'o';
  std::string five = Picture(rows, 2, 0, 5, false);
  EXPECT_NE(ListedLine(five, "9,9").find("32766"), std::string::npos) << five;
  EXPECT_NE(ListedLine(five, "9,9").find("rule 15: blocks five"), std::string::npos) << five;
  EXPECT_NE(five.find("level 0 damps"), std::string::npos);
}

TEST(Picture, ShadesEveryEvaluatedCellAndNothingElse) {
  std::string picture = Picture(ThreeInARow(), 1, 6, 9, false);
  // Candidates lie within two cells of a stone: x 8..14, y 7..11.
  for (int y = 0; y < 20; y++) {
    std::string row = BoardRow(picture, y);
    for (int x = 0; x < 20; x++) {
      std::string cell = (row + std::string(80, ' ')).substr(size_t(4 + 3 * x), 3);
      bool candidate = x >= 8 && x <= 14 && y >= 7 && y <= 11 && !(y == 9 && x >= 10 && x <= 12);
      EXPECT_EQ(cell.find('-') == std::string::npos, candidate || (y == 9 && x >= 10 && x <= 12))
          << x << "," << y << " '" << cell << "'\n"
          << picture;
    }
  }
  EXPECT_EQ(picture.find('\x1b'), std::string::npos);
}

TEST(Picture, ColourOnlyAddsEscapes) {
  std::string plain = Picture(ThreeInARow(), 1, 6, 9, false);
  std::string colour = Picture(ThreeInARow(), 1, 6, 9, true);
  EXPECT_NE(colour.find("\x1b[30;41m[1]\x1b[0m"), std::string::npos);
  std::string stripped = std::regex_replace(colour, std::regex("\x1b\\[[0-9;]*m"), "");
  stripped = std::regex_replace(stripped, std::regex(" +\n"), "\n");
  EXPECT_EQ(stripped, plain);
}

TEST(Picture, OpeningsAndFullBoards) {
  std::vector<std::string> one = EmptyRows(20);
  one[9][9] = 'x';
  std::string opening = Picture(one, 2, 6, 0, false);
  EXPECT_NE(opening.find("0 cells evaluated"), std::string::npos);
  EXPECT_NE(opening.find("opening rule"), std::string::npos);
  EXPECT_NE(opening.find("[@]"), std::string::npos) << opening;
  EXPECT_NE(opening.find("\n[@] the move, chosen by an opening rule "), std::string::npos) << opening;
  EXPECT_EQ(opening.find("[1]"), std::string::npos) << "the legend names the mark the board shows";
  EXPECT_EQ(opening.find("cellScore"), std::string::npos);

  std::vector<std::string> full(15, std::string(15, 'x'));
  std::string none = Picture(full, 2, 6, 0, false);
  EXPECT_NE(none.find("0 cells evaluated, move none"), std::string::npos) << none;
  for (int y = 0; y < 15; y++) {
    ASSERT_NE(BoardRow(none, y), "") << y;
    EXPECT_EQ(BoardRow(none, y).find('['), std::string::npos) << y;
  }
}

TEST(Picture, ColourOnATerminalUnlessNoColorIsSetAndNotEmpty) {
  EXPECT_TRUE(PictureInColour(true, nullptr));
  EXPECT_TRUE(PictureInColour(true, ""));
  EXPECT_FALSE(PictureInColour(true, "1"));
  EXPECT_FALSE(PictureInColour(true, "0"));  // any value counts
  EXPECT_FALSE(PictureInColour(false, nullptr));
  EXPECT_FALSE(PictureInColour(false, "1"));
}

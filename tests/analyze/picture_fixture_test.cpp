// The fixture the page's overlay test reads too: an analysis as tulvo-analyze's TSV
// and the band of every cell. The picture must shade the cells in those bands.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "analyze/analysis.h"
#include "analyze/picture_output.h"
#include "analyze/tsv_output.h"

using namespace tulvo::analyze;

namespace {

std::vector<std::string> FixtureLines(const std::string& name) {
  std::ifstream file(std::string(TULVO_FIXTURES_DIR) + "/" + name);
  EXPECT_TRUE(file) << "cannot read the fixture " << name;
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

// The position of analysis-board.txt with O to move, and the choice of analysis.tsv,
// analysed at level 6 with seed 1234.
Analysis FixtureAnalysis() {
  Analysis analysis{1234, 6, {}, {}};
  std::vector<std::string> rows = FixtureLines("analysis-board.txt");
  analysis.position.size = int(rows.size());
  analysis.position.sideToMove = tulvo::kSideO;
  for (size_t y = 0; y < rows.size(); y++) {
    for (size_t x = 0; x < rows[y].size(); x++) {
      analysis.position.cells[x][y] = rows[y][x] == 'x'   ? tulvo::kStoneX
                                      : rows[y][x] == 'o' ? tulvo::kStoneO
                                                          : tulvo::kEmpty;
    }
  }
  for (const std::string& line : FixtureLines("analysis.tsv")) {
    std::istringstream fields(line);
    std::string first;
    fields >> first;
    if (first == "move") {
      std::string move;
      fields >> move;
      analysis.choice.hasMove = true;
      analysis.choice.x = std::stoi(move);
      analysis.choice.y = std::stoi(move.substr(move.find(',') + 1));
    } else {
      tulvo::TracedCell cell{std::stoi(first), 0, 0, 0, 0};
      fields >> cell.y >> cell.baseScore >> cell.cellScore;
      analysis.choice.trace.push_back(cell);
    }
  }
  return analysis;
}

// The band a picture cell of three characters shows: 0 for the move and the listed
// cells, 1..4 for the quarter marks; stones and unevaluated cells as in the fixture.
char BandOf(const std::string& cell) {
  if (cell == " X " || cell == " O ") return char(std::tolower(cell[1]));
  if (cell[0] == '[' || std::isdigit(static_cast<unsigned char>(cell[1])) ||
      std::isdigit(static_cast<unsigned char>(cell[0])))
    return '0';
  const std::string marks = "#+:.";
  size_t band = marks.find(cell[1]);
  return band == std::string::npos ? '.' : char('1' + band);
}

TEST(PictureFixture, TheTsvIsTheAnalysisOfTheBoard) {
  Analysis fixture = FixtureAnalysis();
  std::string tsv;
  for (const std::string& line : FixtureLines("analysis.tsv")) tsv += line + "\n";
  tulvo::Request request;
  request.position = fixture.position;
  request.level = fixture.level;
  request.seed = fixture.seed;
  EXPECT_EQ(FormatTsv(Analyze(request)), tsv);
}

TEST(PictureFixture, ThePictureShadesEveryCellInTheFixturesBand) {
  Analysis analysis = FixtureAnalysis();
  std::vector<std::string> bands = FixtureLines("analysis-bands.txt");
  std::istringstream picture(FormatPicture(analysis, false));
  std::string line;
  std::getline(picture, line);  // the heading
  std::getline(picture, line);  // a blank line
  std::getline(picture, line);  // the column numbers
  for (int y = 0; y < analysis.position.size; y++) {
    ASSERT_TRUE(std::getline(picture, line));
    line.resize(size_t(4 + 3 * analysis.position.size), ' ');
    std::string shown;
    for (int x = 0; x < analysis.position.size; x++) shown += BandOf(line.substr(size_t(4 + 3 * x), 3));
    EXPECT_EQ(shown, bands[size_t(y)]) << "row " << y << ": " << line;
  }
}

}  // namespace

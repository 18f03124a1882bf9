// Board picture: x across, y down, three characters per cell.
//   X O      stones
//   [1]      the move (listed first below)
//   1 .. 10  the ten best cells, as listed below
//   # + : .  the other evaluated cells, by the quarter their rank falls in
//   -        an empty cell the search did not evaluate
#include "analyze/picture_output.h"

#include <algorithm>
#include <cstdio>

#include "analyze/cell_tiers.h"
#include "analyze/tsv_output.h"
#include "driver/level.h"
#include "driver/position.h"

namespace {

constexpr int kListed = 10;
constexpr int kNoCell = -1;
const char kShades[] = "#+:.";
// Backgrounds: the listed cells, then the four rank quarters.
const char* const kBands[] = {"\x1b[30;41m", "\x1b[30;43m", "\x1b[30;42m", "\x1b[30;46m", "\x1b[30;44m"};
const char kReset[] = "\x1b[0m";

struct CellMark {
  int listed = 0;  // 1..10 for a listed cell
  int band = kNoCell;
};

bool IsMove(const Analysis& analysis, const EvaluatedCell& cell) {
  return analysis.hasMove && cell.x == analysis.move.x && cell.y == analysis.move.y;
}

// Indices of the cells, best cellScore first; among equals the move, then scan order.
std::vector<int> BestFirst(const Analysis& analysis) {
  std::vector<int> order(analysis.cells.size());
  for (size_t i = 0; i < order.size(); i++) order[i] = int(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const EvaluatedCell &ca = analysis.cells[size_t(a)], &cb = analysis.cells[size_t(b)];
    if (ca.cellScore != cb.cellScore) return ca.cellScore > cb.cellScore;
    return IsMove(analysis, ca) && !IsMove(analysis, cb);
  });
  return order;
}

// Marks per board cell: list position for the best ten, rank quarter for all. Equal
// scores share a rank (one more than the number of better cells).
std::vector<CellMark> MarkCells(const Analysis& analysis, const std::vector<int>& order) {
  std::vector<CellMark> marks(size_t(kBoardSide * kBoardSide));
  int count = int(order.size());
  int rank = 1;
  for (int i = 0; i < count; i++) {
    const EvaluatedCell& cell = analysis.cells[size_t(order[size_t(i)])];
    if (i > 0 && cell.cellScore != analysis.cells[size_t(order[size_t(i - 1)])].cellScore) rank = i + 1;
    CellMark& mark = marks[size_t(cell.x * kBoardSide + cell.y)];
    mark.band = 1 + (rank - 1) * 4 / count;
    if (i < kListed) mark.listed = i + 1;
  }
  return marks;
}

std::string CellText(const Analysis& analysis, const CellMark& mark, int x, int y) {
  if (board[x][y] == kCellX) return " X ";
  if (board[x][y] == kCellO) return " O ";
  std::string label = mark.listed > 0 ? std::to_string(mark.listed) : std::string(1, '@');
  if (analysis.hasMove && analysis.move.x == x && analysis.move.y == y) return "[" + label + "]";
  if (mark.listed > 0) return label.size() == 1 ? " " + label + " " : label + " ";
  if (mark.band == kNoCell) return " - ";
  return std::string(" ") + kShades[mark.band - 1] + " ";
}

std::string Colour(const std::string& text, const CellMark& mark, bool colour) {
  if (!colour || mark.band == kNoCell) return text;
  return kBands[mark.listed > 0 ? 0 : mark.band] + text + kReset;
}

std::string Board(const Analysis& analysis, const std::vector<CellMark>& marks, bool colour) {
  std::string text = "   ";
  for (int x = 0; x <= boardMax; x++) text += (x < 10 ? "  " : " ") + std::to_string(x);
  text += "\n";
  for (int y = 0; y <= boardMax; y++) {
    text += (y < 10 ? "  " : " ") + std::to_string(y) + " ";
    for (int x = 0; x <= boardMax; x++) {
      const CellMark& mark = marks[size_t(x * kBoardSide + y)];
      text += Colour(CellText(analysis, mark, x, y), mark, colour);
    }
    if (!colour) text.erase(text.find_last_not_of(' ') + 1);
    text += "\n";
  }
  return text;
}

std::string Heading(const Analysis& analysis) {
  std::string text = "level " + std::to_string(aiLevel) + ", " + (sideToMove == 1 ? "X" : "O") + " to move, seed " +
                     std::to_string(analysis.seed) + ", " + std::to_string(stoneCount) + " stones, " +
                     std::to_string(analysis.cells.size()) + " cells evaluated, move " + MoveText(analysis) + "\n";
  if (analysis.cells.empty() && stoneCount <= 2) text += "opening rule: no cell is evaluated on 0 to 2 stones\n";
  if (aiLevel == 0) text += "level 0 damps rule values and base scores at random\n";
  return text;
}

const char kLegend[] =
    "[1] the move   1..10 the cells listed below   # + : . the other evaluated cells,\n"
    "by the quarter of the ranking they fall in   - not evaluated\n";

std::string BestCells(const Analysis& analysis, const std::vector<int>& order) {
  if (order.empty()) return "";
  std::string text = "\n  #  cell   cellScore  baseScore  decided by\n";
  char line[160];
  for (size_t i = 0; i < order.size() && i < size_t(kListed); i++) {
    const EvaluatedCell& cell = analysis.cells[size_t(order[i])];
    std::string where = std::to_string(cell.x) + "," + std::to_string(cell.y);
    std::snprintf(line, sizeof line, "%3d  %-5s %10d %10d  %s\n", int(i + 1), where.c_str(), int(cell.cellScore),
                  int(cell.baseScore), DescribeTier(cell.x, cell.y).c_str());
    text += line;
  }
  return text;
}

}  // namespace

std::string FormatPicture(const Analysis& analysis, bool colour) {
  std::vector<int> order = BestFirst(analysis);
  std::vector<CellMark> marks = MarkCells(analysis, order);
  return Heading(analysis) + "\n" + Board(analysis, marks, colour) + kLegend + BestCells(analysis, order);
}

// Board picture: x across, y down, three characters per cell.
//   X O      stones
//   [1]      the move (listed first below)
//   1 .. 10  the ten best cells, as listed below
//   # + : .  the other evaluated cells, by the quarter their rank falls in
//   -        an empty cell the search did not evaluate
#include "analyze/picture_output.h"

#include <algorithm>
#include <cstdio>

#include "analyze/tsv_output.h"

namespace tulvo::analyze {

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

bool IsMove(const Analysis& analysis, const tulvo::TracedCell& cell) {
  return analysis.choice.hasMove && cell.x == analysis.choice.x && cell.y == analysis.choice.y;
}

// Indices of the cells, best cellScore first; among equals the move, then scan order.
std::vector<int> BestFirst(const Analysis& analysis) {
  std::vector<int> order(analysis.choice.trace.size());
  for (size_t i = 0; i < order.size(); i++) order[i] = int(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const tulvo::TracedCell &ca = analysis.choice.trace[size_t(a)], &cb = analysis.choice.trace[size_t(b)];
    if (ca.cellScore != cb.cellScore) return ca.cellScore > cb.cellScore;
    return IsMove(analysis, ca) && !IsMove(analysis, cb);
  });
  return order;
}

// Marks per board cell: list position for the best ten, rank quarter for all. Equal
// scores share a rank (one more than the number of better cells).
std::vector<CellMark> MarkCells(const Analysis& analysis, const std::vector<int>& order) {
  std::vector<CellMark> marks(size_t(tulvo::kMaxBoardSize * tulvo::kMaxBoardSize));
  int count = int(order.size());
  int rank = 1;
  for (int i = 0; i < count; i++) {
    const tulvo::TracedCell& cell = analysis.choice.trace[size_t(order[size_t(i)])];
    if (i > 0 && cell.cellScore != analysis.choice.trace[size_t(order[size_t(i - 1)])].cellScore) rank = i + 1;
    CellMark& mark = marks[size_t(cell.x * tulvo::kMaxBoardSize + cell.y)];
    mark.band = 1 + (rank - 1) * 4 / count;
    if (i < kListed) mark.listed = i + 1;
  }
  return marks;
}

std::string CellText(const Analysis& analysis, const CellMark& mark, int x, int y) {
  const uint8_t code = analysis.position.cells[x][y];
  if (code == tulvo::kStoneX) return " X ";
  if (code == tulvo::kStoneO) return " O ";
  std::string label = mark.listed > 0 ? std::to_string(mark.listed) : std::string(1, '@');
  if (analysis.choice.hasMove && analysis.choice.x == x && analysis.choice.y == y) return "[" + label + "]";
  if (mark.listed > 0) return label.size() == 1 ? " " + label + " " : label + " ";
  if (mark.band == kNoCell) return " - ";
  return std::string(" ") + kShades[mark.band - 1] + " ";
}

std::string Colour(const std::string& text, const CellMark& mark, bool colour) {
  if (!colour || mark.band == kNoCell) return text;
  return kBands[mark.listed > 0 ? 0 : mark.band] + text + kReset;
}

std::string Board(const Analysis& analysis, const std::vector<CellMark>& marks, bool colour) {
  const int last = analysis.position.size - 1;
  std::string text = "   ";
  for (int x = 0; x <= last; x++) text += (x < 10 ? "  " : " ") + std::to_string(x);
  text += "\n";
  for (int y = 0; y <= last; y++) {
    text += (y < 10 ? "  " : " ") + std::to_string(y) + " ";
    for (int x = 0; x <= last; x++) {
      const CellMark& mark = marks[size_t(x * tulvo::kMaxBoardSize + y)];
      text += Colour(CellText(analysis, mark, x, y), mark, colour);
    }
    if (!colour) text.erase(text.find_last_not_of(' ') + 1);
    text += "\n";
  }
  return text;
}

std::string Heading(const Analysis& analysis) {
  const int stones = StoneCount(analysis.position);
  const size_t evaluated = analysis.choice.trace.size();
  std::string text = "level " + std::to_string(analysis.level) + ", " +
                     (analysis.position.sideToMove == tulvo::kSideX ? "X" : "O") + " to move, seed " +
                     std::to_string(analysis.seed) + ", " + std::to_string(stones) + " stones, " +
                     std::to_string(evaluated) + " cells evaluated, move " + ChosenMoveText(analysis) + "\n";
  if (evaluated == 0 && stones <= 2) text += "opening rule: no cell is evaluated on 0 to 2 stones\n";
  if (analysis.level == 0) text += "level 0 damps rule values and base scores at random\n";
  return text;
}

const char kLegend[] =
    "[1] the move   1..10 the cells listed below   # + : . the other evaluated cells,\n"
    "by the quarter of the ranking they fall in   - not evaluated\n";
// An opening rule evaluates no cell, so its move has no place in a list.
const char kOpeningLegend[] = "[@] the move, chosen by an opening rule   - not evaluated\n";

std::string BestCells(const Analysis& analysis, const std::vector<int>& order) {
  if (order.empty()) return "";
  std::string text = "\n  #  cell   cellScore  baseScore  decided by\n";
  char line[160];
  for (size_t i = 0; i < order.size() && i < size_t(kListed); i++) {
    const tulvo::TracedCell& cell = analysis.choice.trace[size_t(order[i])];
    std::string where = std::to_string(cell.x) + "," + std::to_string(cell.y);
    std::snprintf(line, sizeof line, "%3d  %-5s %10d %10d  %s\n", int(i + 1), where.c_str(), int(cell.cellScore),
                  int(cell.baseScore), tulvo::TierText(analysis.level, cell.tier));
    text += line;
  }
  return text;
}

}  // namespace

std::string FormatPicture(const Analysis& analysis, bool colour) {
  std::vector<int> order = BestFirst(analysis);
  std::vector<CellMark> marks = MarkCells(analysis, order);
  return Heading(analysis) + "\n" + Board(analysis, marks, colour) +
         (order.empty() && analysis.choice.hasMove ? kOpeningLegend : kLegend) + BestCells(analysis, order);
}

bool PictureInColour(bool terminal, const char* noColor) {
  return terminal && (noColor == nullptr || *noColor == '\0');
}

}  // namespace tulvo::analyze

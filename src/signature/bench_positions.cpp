// Random-game positions built with a generator of their own, so that they never
// depend on the engine's random source.
#include "signature/bench_positions.h"

namespace tulvo::bench {

namespace {

struct Generator {
  uint32_t state;
  int Next(int n) {
    state = state * 1664525u + 1013904223u;
    return int((uint64_t(state) * uint32_t(n)) >> 32);
  }
};

// Free cells within two cells (in both coordinates) of any stone, in row order.
std::vector<int> FreeCellsNearStones(const std::string& cells, int side) {
  std::vector<int> near;
  for (int y = 0; y < side; y++) {
    for (int x = 0; x < side; x++) {
      if (cells[size_t(y * side + x)] != '-') continue;
      bool found = false;
      for (int v = y - 2; v <= y + 2 && !found; v++)
        for (int u = x - 2; u <= x + 2 && !found; u++)
          found = u >= 0 && v >= 0 && u < side && v < side && cells[size_t(v * side + u)] != '-';
      if (found) near.push_back(y * side + x);
    }
  }
  return near;
}

std::string BoardBytes(const std::string& cells, int side) {
  std::string text;
  for (int y = 0; y < side; y++) text += cells.substr(size_t(y * side), size_t(side)) + "\n";
  return text;
}

}  // namespace

BenchPosition RandomGamePosition(int boardSide, int stones, uint32_t seed) {
  Generator random = {seed};
  std::string cells(size_t(boardSide * boardSide), '-');
  for (int placed = 0; placed < stones; placed++) {
    int cell = (boardSide / 2) * boardSide + boardSide / 2;
    if (placed > 0) {
      std::vector<int> near = FreeCellsNearStones(cells, boardSide);
      if (near.empty()) break;
      cell = near[size_t(random.Next(int(near.size())))];
    }
    cells[size_t(cell)] = placed % 2 == 0 ? 'x' : 'o';
  }
  std::string name = std::to_string(boardSide) + "x" + std::to_string(boardSide) + "/" + std::to_string(stones);
  return {name, BoardBytes(cells, boardSide), stones % 2 == 0 ? 1 : 2};
}

const std::vector<BenchPosition>& BenchPositions() {
  static const std::vector<BenchPosition> positions = {RandomGamePosition(20, 3, 1), RandomGamePosition(20, 30, 2),
                                                       RandomGamePosition(20, 100, 3), RandomGamePosition(20, 250, 4),
                                                       RandomGamePosition(15, 40, 5)};
  return positions;
}

std::vector<BenchPosition> SignaturePositions() {
  std::vector<BenchPosition> positions = BenchPositions();
  const int kCases[][3] = {{20, 0, 6},    {20, 1, 7},    {20, 2, 8},    {20, 5, 9},  {20, 12, 10},
                           {20, 60, 11},  {20, 180, 12}, {20, 400, 13}, {15, 0, 14}, {15, 2, 15},
                           {15, 120, 16}, {10, 30, 17},  {6, 9, 18},    {1, 1, 19}};
  for (const auto& c : kCases) positions.push_back(RandomGamePosition(c[0], c[1], uint32_t(c[2])));
  return positions;
}

}  // namespace tulvo::bench

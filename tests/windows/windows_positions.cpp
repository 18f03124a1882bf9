// Positions on which the Windows programs must answer as the Linux ones do.
#include "windows/windows_positions.h"

#include <cstdint>

#include "support/protocol_files.h"

namespace tulvo::test {

// A board of the given side with stones stones, alternately x and o, scattered by a
// fixed generator over the spread x spread cells around the centre, with CR LF line
// ends as Windows managers write them.
static std::string ScatteredBoard(int side, int stones, uint32_t seed, int spread = 9) {
  std::vector<std::string> rows(size_t(side), std::string(size_t(side), '-'));
  for (int placed = 0; placed < stones;) {
    seed = seed * 1103515245u + 12345u;
    int x = side / 2 - spread / 2 + int(seed >> 16) % spread;
    int y = side / 2 - spread / 2 + int(seed >> 8) % spread;
    char& cell = rows[size_t(y)][size_t(x)];
    if (cell != '-') continue;
    cell = placed % 2 == 0 ? 'x' : 'o';
    placed++;
  }
  std::string text;
  for (const std::string& row : rows) text += row + "\r\n";
  return text;
}

const std::vector<Position>& Positions() {
  static const std::vector<Position> positions = {
      {"one stone", ScatteredBoard(20, 1, 7), "o"},
      {"two stones", ScatteredBoard(20, 2, 11), "x"},
      {"six stones", ScatteredBoard(20, 6, 3), "x"},
      {"eleven stones", ScatteredBoard(20, 11, 5), "o"},
      {"eight loose stones", ScatteredBoard(20, 8, 1, 13), "x"},
      {"eight other loose stones", ScatteredBoard(20, 8, 9, 13), "x"},
      {"twenty-two loose stones", ScatteredBoard(20, 22, 5, 13), "x"},
      {"fifteen-cell board", ScatteredBoard(15, 14, 13), "x"},
      {"five to complete", FiveCompletion("\r\n"), "x"},
  };
  return positions;
}

}  // namespace tulvo::test

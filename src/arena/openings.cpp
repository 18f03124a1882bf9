// Opening sequences: read from a file or drawn at random from a seed.
#include "arena/openings.h"

#include <sstream>

namespace tulvo::arena {

// Places the cells in order on a board of side; false when one is off the board,
// taken or completes a five.
static bool PlaceAll(const Opening& opening, ArenaBoard& board) {
  for (Point p : opening) {
    if (!board.Contains(p) || board.At(p) != engine::kCellEmpty) return false;
    board.Place(p);
    if (board.MakesFive(p)) return false;
  }
  return true;
}

// A relative "x,y" pair, signs allowed.
static std::optional<Point> ParseRelative(const std::string& word) {
  std::istringstream in(word);
  Point p{};
  char comma = 0;
  if (!(in >> p.x >> comma >> p.y) || comma != ',' || in.peek() != std::char_traits<char>::eof()) return std::nullopt;
  return p;
}

std::optional<std::vector<Opening>> ParseOpenings(const std::string& text, int side, std::string& error) {
  std::vector<Opening> openings;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); number++) {
    std::istringstream words(line);
    std::string word;
    Opening opening;
    while (words >> word && word[0] != '#') {
      auto p = ParseRelative(word);
      if (!p) {
        error = "opening line " + std::to_string(number) + ": '" + word + "' is not x,y";
        return std::nullopt;
      }
      opening.push_back({side / 2 + p->x, side / 2 + p->y});
    }
    if (opening.empty()) continue;
    ArenaBoard board(side);
    if (!PlaceAll(opening, board)) {
      error = "opening line " + std::to_string(number) + ": a cell is off the board, repeated or makes five";
      return std::nullopt;
    }
    openings.push_back(opening);
  }
  if (openings.empty()) error = "the opening file holds no opening";
  if (openings.empty()) return std::nullopt;
  return openings;
}

// A small, fully specified generator, so that a seed gives the same openings everywhere.
static uint64_t NextRandom(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// True when the stone at p has two more of its colour within some five-cell window
// of a line through p.
static bool StartsThreat(const ArenaBoard& board, Point p) {
  for (int axis = 0; axis < engine::kAxes; axis++) {
    for (int start = -4; start <= 0; start++) {
      int own = 0;
      for (int k = start; k < start + 5; k++) {
        Point q{p.x + k * engine::stepX[axis], p.y + k * engine::stepY[axis]};
        own += board.Contains(q) && board.At(q) == board.At(p);
      }
      if (own >= 3) return true;
    }
  }
  return false;
}

static Opening DrawOpening(int stones, int side, uint64_t& state) {
  for (;;) {
    ArenaBoard board(side);
    Opening opening;
    while (int(opening.size()) < stones) {
      Point p{side / 2 - 3 + int(NextRandom(state) % 7), side / 2 - 3 + int(NextRandom(state) % 7)};
      if (board.At(p) != engine::kCellEmpty) continue;
      board.Place(p);
      if (StartsThreat(board, p)) break;
      opening.push_back(p);
    }
    if (int(opening.size()) == stones) return opening;
  }
}

std::vector<Opening> RandomOpenings(int count, int stones, int side, uint64_t seed) {
  uint64_t state = seed;
  std::vector<Opening> openings;
  for (int i = 0; i < count; i++) openings.push_back(DrawOpening(stones, side, state));
  return openings;
}

}  // namespace tulvo::arena

// Opening sequences drawn at random from a seed, and the variants of a list of openings.
#include "arena/match/openings.h"

#include <algorithm>

namespace tulvo::arena {

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
  for (Point step : kAxisSteps) {
    for (int start = -4; start <= 0; start++) {
      int own = 0;
      for (int k = start; k < start + 5; k++) {
        Point q{p.x + k * step.x, p.y + k * step.y};
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
      if (board.At(p) != kCellEmpty) continue;
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

// The eight symmetries of the square as offset maps: four rotations, then their mirrors.
static Point Transform(Point offset, int symmetry) {
  Point p = symmetry >= 4 ? Point{offset.y, offset.x} : offset;
  for (int turn = 0; turn < symmetry % 4; turn++) p = {-p.y, p.x};
  return p;
}

std::vector<Opening> WithTransforms(const std::vector<Opening>& openings, int side) {
  std::vector<Opening> all;
  ArenaBoard bounds(side);
  for (const Opening& opening : openings) {
    size_t first = all.size();
    for (int symmetry = 0; symmetry < 8; symmetry++) {
      Opening variant;
      for (Point p : opening) {
        Point offset = Transform({p.x - side / 2, p.y - side / 2}, symmetry);
        variant.push_back({side / 2 + offset.x, side / 2 + offset.y});
      }
      bool fits = std::all_of(variant.begin(), variant.end(), [&](Point p) { return bounds.Contains(p); });
      if (fits && std::find(all.begin() + long(first), all.end(), variant) == all.end()) all.push_back(variant);
    }
  }
  return all;
}

std::vector<Opening> Shuffled(std::vector<Opening> openings, uint64_t seed) {
  uint64_t state = seed;
  for (size_t i = openings.size(); i > 1; i--) std::swap(openings[i - 1], openings[NextRandom(state) % i]);
  return openings;
}

}  // namespace tulvo::arena

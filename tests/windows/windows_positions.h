// Positions on which the Windows programs must answer as the Linux ones do.
#pragma once

#include <string>
#include <vector>

namespace tulvo::test {

struct Position {
  const char* what;
  std::string plocha;
  std::string tah;
};

// Openings (random walks), middle games of both sides to move, a small board and a
// forced reply: moves that depend on the level, the seed, or both.
const std::vector<Position>& Positions();

}  // namespace tulvo::test

// Opening sequences: read from a file or drawn at random from a seed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "arena/arena_board.h"

namespace tulvo::arena {

using Opening = std::vector<Point>;  // cells in playing order, X first

// One opening per line: "x,y" pairs relative to the centre (side / 2), separated by
// blanks, e.g. "0,0 1,0 -1,1". Blank lines and lines starting with '#' are skipped.
// Cells must lie on the board, differ and not complete a five. Absolute cells, or
// nullopt with error naming the line.
std::optional<std::vector<Opening>> ParseOpenings(const std::string& text, int side, std::string& error);

// count openings of stones cells each, drawn from seed within three cells of the
// centre, colours alternating; no side gets three stones inside any five cells
// of a line, so neither side starts with a ready threat.
std::vector<Opening> RandomOpenings(int count, int stones, int side, uint64_t seed);

}  // namespace tulvo::arena

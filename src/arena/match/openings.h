// Opening sequences drawn at random from a seed, and the variants of a list of openings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "arena/match/arena_board.h"

namespace tulvo::arena {

using Opening = std::vector<Point>;  // cells in playing order, X first

// count openings of stones cells each, drawn from seed within three cells of the
// centre, colours alternating; no side gets three stones inside any five cells
// of a line, so neither side starts with a ready threat.
std::vector<Opening> RandomOpenings(int count, int stones, int side, uint64_t seed);

// Each opening followed by its rotations and mirrors about the centre: 8 for an
// asymmetric opening, fewer when some coincide or (on an even side) leave the board.
std::vector<Opening> WithTransforms(const std::vector<Opening>& openings, int side);

// The openings in an order shuffled by seed, the same on every platform.
std::vector<Opening> Shuffled(std::vector<Opening> openings, uint64_t seed);

}  // namespace tulvo::arena

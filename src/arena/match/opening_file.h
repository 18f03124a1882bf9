// Opening files in three notations: offsets "8,-3, 6,-4", the arena's "0,0 1,0"
// and positions "h8i9j10".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/match/openings.h"

namespace tulvo::arena {

// kAuto recognises the notation of each line on its own.
enum class OpeningFormat { kAuto, kOffset, kPos, kArena };

// "offset", "pos", "arena" or "auto"; nullopt for anything else.
std::optional<OpeningFormat> OpeningFormatNamed(const std::string& name);

// One opening per line, X's move first; blank lines and text after '#' are skipped.
// - offset: x,y offsets from the centre (side / 2), pairs separated by a comma and
//   blanks: "8,-3, 6,-4, 5,-4";
// - arena: x,y offsets from the centre separated by blanks: "0,0 1,0 -1,1";
// - pos: a column letter from 'a' (x = 0) and a row number from 1 (y = row - 1),
//   blanks between cells allowed: "h8i9j10".
// Unless the format is given, a line is read as pos when it starts with a letter,
// as offset when a comma is followed by a blank or ends it, else as arena. The
// cells must lie on the board, differ and not complete a five. Absolute cells,
// or nullopt with error naming the line, the cell as written and the reason.
std::optional<std::vector<Opening>> ParseOpenings(const std::string& text, int side, OpeningFormat format,
                                                  std::string& error);

}  // namespace tulvo::arena

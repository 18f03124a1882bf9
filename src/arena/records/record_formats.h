// Game records in the formats that game managers and viewers open: .psq and SGF.
#pragma once

#include <optional>
#include <string>

#include "arena/match/referee.h"

namespace tulvo::arena {

// Which record files a finished game leaves: the arena's text record, .psq, .sgf.
struct RecordFormats {
  bool text = true;
  bool psq = true;
  bool sgf = true;
};

// A comma-separated list of txt, psq and sgf; nullopt when a name is unknown or
// the list is empty.
std::optional<RecordFormats> RecordFormatsNamed(const std::string& list);

// "Piskvorky NxN, 11:11, 0", one line "x+1,y+1,ms" per move (opening moves take 0
// ms), the X and O engines' names, then "-1"; lines end with LF.
std::string FormatPsq(const GameResult& game, const std::string& xEngine, const std::string& oEngine);

// One SGF game tree: X is black and moves first, cells are letters from 'a'
// (x, then y), the result is RE[B+], RE[W+] or RE[0] and the end reason a comment.
std::string FormatSgf(const GameResult& game, const std::string& xEngine, const std::string& oEngine);

}  // namespace tulvo::arena

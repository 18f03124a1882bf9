// The analysis as tab-separated data: one line per evaluated cell, then the move.
#pragma once

#include <string>

#include "analyze/analysis.h"

namespace tulvo::analyze {

// "x<TAB>y<TAB>baseScore<TAB>cellScore" per cell in scan order, then "move<TAB>x,y"
// or "move<TAB>none"; every line ends with LF.
std::string FormatTsv(const Analysis& analysis);
// "x,y" as the file program writes it, or "none".
std::string ChosenMoveText(const Analysis& analysis);

}  // namespace tulvo::analyze

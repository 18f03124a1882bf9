// The candidate area once the position is placed: every marked cell's tables scanned,
// and the SearchBox around them.
#pragma once

namespace tulvo::engine {

struct AnalysisState;

// Prepares the line masks, scans every marked cell on the board and sets the SearchBox
// around them, two cells wider on each side within the board.
void PrepareCandidates(AnalysisState& s);

}  // namespace tulvo::engine

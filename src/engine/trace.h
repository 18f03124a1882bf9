// The trace of the last search, for the door.
#pragma once

#include <vector>

#include "tulvo/engine.h"

namespace tulvo {

// Every cell the last search evaluated, in scan order, with its scores and the rule
// or threat row that decided it (recomputed from the cell's tables, which the search
// only reads).
std::vector<TracedCell> TraceOfSearch();

}  // namespace tulvo

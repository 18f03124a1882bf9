// The trace of the state's last search, for the door.
#pragma once

#include <tulvo/engine.h>

#include <vector>

#include "engine/choice/engine_state.h"

namespace tulvo::engine {

// Every cell the last search evaluated, in scan order, with its scores and the rule or
// threat row that decided it, as the scan recorded them.
std::vector<TracedCell> TraceOfSearch(const EngineState& s);

}  // namespace tulvo::engine

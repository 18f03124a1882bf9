// The start of a decision: the state set to its start-of-run values, and the request's
// position placed on its Board.
#pragma once

#include <tulvo/engine.h>

#include "engine/choice/engine_state.h"

namespace tulvo::engine {

// Sets the seed, the level, the position, the summaries and the search to their
// start-of-run values. The cell tables are cleared by CreateCellTables, the run's
// own step.
void ResetEngine(EngineState& s);
// Places the request's stones on the Board (counted, their neighbourhoods marked
// within the side in effect while their line was read: the board's side unless the
// request gives the reader's widths) and sets the side to move; blocked cells, and
// any other code, block both players' lines. Follows ResetEngine.
void LoadPosition(EngineState& s, const Request& request);

}  // namespace tulvo::engine

// The engine's state as a whole: its start-of-run values, and a position loaded into it.
#pragma once

#include <tulvo/engine.h>

namespace tulvo::engine {

// Sets the seed, the level, the position, the summaries and the search to their
// start-of-run values. The cell tables are cleared by CreateCellTables, the run's
// own step.
void ResetEngine();
// Places the position's stones on the Board (counted, their neighbourhoods marked
// within the side in effect while their line was read: the board's side unless the
// reader says otherwise) and sets the side to move; blocked cells, and any other
// code, block both players' lines. Follows ResetEngine.
void LoadPosition(const Position& position);

}  // namespace tulvo::engine

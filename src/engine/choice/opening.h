// Opening rules for boards with 0, 1 or 2 stones.
#pragma once

namespace tulvo::engine {

struct EngineState;

// The centre cell (boardMax div 2 on both axes); when it is not free, its first
// free neighbour in direction order, else the first free cell.
void OpenOnEmptyBoard(EngineState& s);
// A random walk from the last stone when it stands two cells or more from every
// edge, else a random cell of the four nearest the centre.
void OpenNearLastStone(EngineState& s);

}  // namespace tulvo::engine

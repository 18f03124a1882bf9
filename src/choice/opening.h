// Opening rules for boards with 0, 1 or 2 stones.
#pragma once

// The centre cell (boardMax div 2 on both axes).
void OpenOnEmptyBoard();
// A random walk from the last stone when it stands two cells or more from every
// edge, else a random cell of the four nearest the centre.
void OpenNearLastStone();

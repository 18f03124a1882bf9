// Names what decided an evaluated cell: the rule at levels 0 and 1, the threat row at
// levels 2 to 6.
#pragma once

#include <string>

// Recomputes the cell's summary or threat counts from its tables (which the search
// only reads) after ChooseMove, and returns the deciding rule or row in words.
std::string DescribeTier(int x, int y);

// The analysis as a board picture with every evaluated cell shaded by its rank, then
// the ten best cells with what decided them.
#pragma once

#include <string>

#include "analysis.h"

namespace tulvo::analyze {

// The position, level and trace come from the analysis. With colour, ANSI escapes shade the cells; without, characters
// alone do.
std::string FormatPicture(const Analysis& analysis, bool colour);

}  // namespace tulvo::analyze

// The analysis as a board picture with every evaluated cell shaded by its rank, then
// the ten best cells with what decided them.
#pragma once

#include <string>

#include "analyze/analysis.h"

namespace tulvo::analyze {

// The position, level and trace come from the analysis. With colour, ANSI escapes shade the cells; without, characters
// alone do.
std::string FormatPicture(const Analysis& analysis, bool colour);
// Colour only on a terminal, and not when NO_COLOR (its value given, or null when
// unset) is set and not empty.
bool PictureInColour(bool terminal, const char* noColor);

}  // namespace tulvo::analyze

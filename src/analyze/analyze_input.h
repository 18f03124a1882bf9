// Loads the position to analyse through the file program's reader.
#pragma once

#include "analyze/analyze_options.h"

// Reads the board (and, without a side option, tah.dat) named by the options into
// the position. Returns an error line when the input's folder cannot be entered;
// a fault in the files ends the run with the reader's own message, as in the file
// program.
std::string LoadInput(const AnalyzeOptions& options);

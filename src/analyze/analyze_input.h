// Loads the position to analyse with the file program's reader, through the door.
#pragma once

#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>

#include <string>

#include "analyze/analyze_options.h"

namespace tulvo::analyze {

struct Input {
  std::string error;      // the input's folder cannot be entered; empty otherwise
  tulvo::BoardRead read;  // the position, or the reader's fault
};

// Reads the board (and, without a side option, tah.dat) named by the options, with
// the faults the file program would meet: the board file not opened or sized, its
// size, its lines, and any failed read or close.
Input LoadInput(const AnalyzeOptions& options);

}  // namespace tulvo::analyze

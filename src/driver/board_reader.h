// The input half of the file protocol: plocha.dat (the board) and tah.dat (the side
// to move).
#pragma once

#include "driver/board_text.h"

namespace tulvo::file_program {

// Reads both files, fills the position and prepares the candidates, or ends the run
// through FatalExit with the message of the first fault.
void ReadBoardFiles();

}  // namespace tulvo::file_program

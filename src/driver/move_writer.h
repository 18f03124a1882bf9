// The output half of the file protocol: the move as "x,y" in tah.dat.
#pragma once

#include "driver/move_text.h"

namespace tulvo::file_program {

// Writes "x,y" into tah.dat, replacing its content. Writes nothing when (x, y) lies
// outside the Board or holds a stone, so tah.dat keeps its side letter.
void WriteMove(int x, int y);

}  // namespace tulvo::file_program

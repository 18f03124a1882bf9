// The protocol files in a folder, read and written through the platform exactly as the
// file program reads and writes them.
#pragma once

#include <tulvo/file_protocol.h>

namespace tulvo::file_protocol {

// Reads the board file boardName in folder ("" for the working directory) and, when
// side is 0, the side to move from tah.dat beside it; any other side is taken as
// given. The faults come in the file program's order: the board file not opened or
// sized, its size, its lines, then any failed read or close of either file.
BoardRead ReadProtocolFiles(const char* folder, const char* boardName, int side);

// Replaces tah.dat in folder with "x,y" in one write. A file that cannot be created
// or written is not reported: the manager sees no move.
void WriteMoveFile(const char* folder, int x, int y);

}  // namespace tulvo::file_protocol

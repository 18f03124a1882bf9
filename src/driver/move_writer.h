// The output half of the file protocol: the move as "x,y" in tah.dat.
#pragma once

// Writes "x,y" into tah.dat, replacing its content. Writes nothing when (x, y) lies
// outside the Board or holds a stone, so tah.dat keeps its side letter.
void WriteMove(int x, int y);
// Whether WriteMove writes (x, y): a cell of the Board that holds no stone.
bool IsWritableMove(int x, int y);
// The move text "x,y" into text (room for 8 bytes); returns its length.
int FormatMove(int x, int y, char* text);

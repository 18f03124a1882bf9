// The move as the file protocol writes it: "x,y".
#pragma once

namespace tulvo::engine {

// Whether the file program writes (x, y): a cell of the Board that holds no stone.
bool IsWritableMove(int x, int y);
// The move text "x,y" into text (room for 8 bytes); returns its length.
int FormatMove(int x, int y, char* text);

}  // namespace tulvo::engine

// The move as the file protocol writes it: "x,y".
#pragma once

namespace tulvo::file_protocol {

// The move text "x,y" (0..99 each) into text (room for 8 bytes); returns its length.
int FormatMove(int x, int y, char* text);

}  // namespace tulvo::file_protocol

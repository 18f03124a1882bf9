// The whole move choice from board bytes to move text, in process and without files.
#pragma once

#include <cstdint>
#include <string>

// Resets the engine, parses the board, sets side (1 X, 2 O) and level, chooses with
// the seed and formats the move into text (room for 8 bytes). Returns the text's
// length, 0 when there is no move.
int PlayBoardBytes(const std::string& board, int side, int level, uint32_t seed, char* text);

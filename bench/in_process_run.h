// The whole move choice from board bytes to move text, in process and without files.
#pragma once

#include <cstdint>
#include <string>

namespace tulvo::bench {

// Reads the board through the engine's door, chooses with side (1 X, 2 O), level and
// seed, and formats the move into text (room for 8 bytes). Returns the text's length,
// 0 for a board the reader refuses or when there is no move.
int PlayBoardBytes(const std::string& board, int side, int level, uint32_t seed, char* text);

}  // namespace tulvo::bench

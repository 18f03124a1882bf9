// ReadBoardText, DecideMove and MoveText in a row: the door's whole path.
#include "bench/in_process_run.h"

#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>

#include <cstring>

namespace tulvo::bench {

int PlayBoardBytes(const std::string& board, int side, int level, uint32_t seed, char* text) {
  const tulvo::BoardRead read = tulvo::ReadBoardText(board, side);
  if (!read.ok) return 0;
  const tulvo::Choice choice = tulvo::DecideMove(tulvo::RequestOfBoard(read, level, seed));
  if (!choice.hasMove) return 0;
  const std::string move = tulvo::MoveText(choice.x, choice.y);
  memcpy(text, move.data(), move.size());
  return int(move.size());
}

}  // namespace tulvo::bench

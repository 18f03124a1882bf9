// ParseBoard, ChooseMoveWithSeed and FormatMove in a row.
#include "in_process_run.h"

#include "driver/board_reader.h"
#include "driver/level.h"
#include "driver/move_writer.h"
#include "driver/position.h"
#include "driver/run_sequence.h"

int PlayBoardBytes(const std::string& board, int side, int level, uint32_t seed, char* text) {
  ResetEngine();
  ParseBoard(reinterpret_cast<const uint8_t*>(board.data()), int(board.size()));
  sideToMove = side;
  aiLevel = level;
  Move move = ChooseMoveWithSeed(seed);
  if (move.x < 0) return 0;
  return FormatMove(move.x, move.y, text);
}

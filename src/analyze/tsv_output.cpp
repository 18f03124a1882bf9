// Tab-separated output, stable for scripts and diffs.
#include "analyze/tsv_output.h"

#include "driver/move_writer.h"

std::string MoveText(const Analysis& analysis) {
  if (!analysis.hasMove) return "none";
  char text[8];
  int length = FormatMove(analysis.move.x, analysis.move.y, text);
  return std::string(text, size_t(length));
}

std::string FormatTsv(const Analysis& analysis) {
  std::string text;
  for (const EvaluatedCell& cell : analysis.cells) {
    text += std::to_string(cell.x) + '\t' + std::to_string(cell.y) + '\t' + std::to_string(cell.baseScore) + '\t' +
            std::to_string(cell.cellScore) + '\n';
  }
  return text + "move\t" + MoveText(analysis) + '\n';
}

// Tab-separated output, stable for scripts and diffs.
#include "analyze/tsv_output.h"

#include <tulvo/file_protocol.h>

namespace tulvo::analyze {

std::string ChosenMoveText(const Analysis& analysis) {
  const tulvo::Choice& choice = analysis.choice;
  return choice.hasMove ? tulvo::MoveText(choice.x, choice.y) : "none";
}

std::string FormatTsv(const Analysis& analysis) {
  std::string text;
  for (const tulvo::TracedCell& cell : analysis.choice.trace) {
    text += std::to_string(cell.x) + '\t' + std::to_string(cell.y) + '\t' + std::to_string(cell.baseScore) + '\t' +
            std::to_string(cell.cellScore) + '\n';
  }
  return text + "move\t" + ChosenMoveText(analysis) + '\n';
}

}  // namespace tulvo::analyze

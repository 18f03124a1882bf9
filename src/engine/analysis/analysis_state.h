// The analysis's layer of the engine's working state: the cell tables and the line
// masks they are scanned from, the current cell's tables, and the summaries of the
// current cell. Extends the board's layer; the search extends it in turn.
#pragma once

#include <cstdint>

#include "engine/analysis/axis_summary.h"
#include "engine/analysis/cell_tables.h"
#include "engine/analysis/threat_classes.h"
#include "engine/board/board_state.h"

namespace tulvo::engine {

struct AnalysisState : BoardState {
  CellTables cellTables[kBoardSide][kBoardSide];  // [x][y]
  LineMasks lineMasks[kAxes][kLinesPerAxis];
  const CellTables* currentTables;  // chosen by SelectCell
  AxisSummary axisSummary;
  int32_t threatCounts[kThreatRows][kPlayers];  // rows by class, columns by player index
};

}  // namespace tulvo::engine

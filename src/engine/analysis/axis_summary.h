// Per player, the best and second-best axis of the current cell, for the rule scorer.
#pragma once

#include <cstdint>

#include "engine/board/core_types.h"

namespace tulvo::engine {

// Per axis j with o = opposite[j]:
//   run total   runLen[j] + runLen[o]                 stones touching the cell
//   open ends   (runFree[j] >= 1) + (runFree[o] >= 1)
//   free sum    runFree[j] + runFree[o]
//   gapped      max(spanLen[j] + runLen[o], spanLen[o] + runLen[j])
// Ties go to the later axis.
struct AxisSummary {
  uint8_t bestRun[kPlayers];
  uint8_t secondRun[kPlayers];
  uint8_t bestOpenEnds[kPlayers];
  uint8_t secondOpenEnds[kPlayers];
  uint8_t bestFree[kPlayers];
  uint8_t secondFree[kPlayers];
  uint8_t bestGapped[kPlayers];
  uint8_t secondGapped[kPlayers];
};

struct AnalysisState;

void ResetAxisSummary(AnalysisState& s);
// From the current tables: run totals, open ends and free sums of the best two axes
// (groups 1 to 3).
void SummarizeAxes(AnalysisState& s);
// Largest and second-largest gapped totals (group 4).
void SummarizeGapped(AnalysisState& s);

}  // namespace tulvo::engine

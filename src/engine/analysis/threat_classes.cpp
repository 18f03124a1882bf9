// The threat-class decision list, applied to the current cell's tables. All eight
// axis readings of a cell (4 axes x 2 players) are classified together, one 16-bit
// vector lane each, without a branch: every rule becomes a lane mask, and the masks
// pick the class in rule order.
#include "engine/analysis/threat_classes.h"

#include <cstring>

#include "engine/analysis/analysis_state.h"
#include "engine/analysis/table_lanes.h"

namespace tulvo::engine {

void ResetThreatCounts(AnalysisState& s) { memset(s.threatCounts, 0, sizeof s.threatCounts); }

namespace {

// Lane p * 4 + j holds axis j of player p; a comparison gives all ones or zero.
typedef WideLanes Lanes;
constexpr int kLanes = kPlayers * kAxes;

struct ReadingLanes {
  Lanes runA, runB, freeA, freeB, spanA, spanB, spanFreeA, spanFreeB;
};

// The class where mask is set, else the class so far.
Lanes Pick(Lanes mask, int16_t threat, Lanes soFar) { return (mask & threat) | (~mask & soFar); }

// The first matching rule decides; the order matters.
Lanes ThreatClassLanes(const ReadingLanes& a) {
  const Lanes total = a.runA + a.runB;
  const Lanes freeSum = a.freeA + a.freeB;
  const Lanes bothOpen = (a.freeA >= 1) & (a.freeB >= 1);
  const Lanes gappedA = a.spanA + a.runB, gappedB = a.spanB + a.runA;
  const Lanes five = total >= 4;
  const Lanes openFour = ((total == 3) & bothOpen) | ((total >= 2) & (a.spanA >= a.runA + 2) & (a.spanB >= a.runB + 2));
  const Lanes four = ((total == 3) & (freeSum >= 1)) | (gappedA >= 4) | (gappedB >= 4);
  const Lanes openThree = ((total >= 2) & bothOpen & (freeSum >= 3)) |
                          ((gappedA >= 3) & (a.spanFreeA >= 1) & (a.freeB >= 1)) |
                          ((gappedB >= 3) & (a.spanFreeB >= 1) & (a.freeA >= 1));
  Lanes threat = openThree & kThreatOpenThree;
  threat = Pick(four, kThreatFour, threat);
  threat = Pick(openFour, kThreatOpenFour, threat);
  return Pick(five, kThreatFive, threat);
}

// One table of the cell as lanes: side A (direction j) or side B (direction j + 4).
void ReadTable(const uint8_t* table, Lanes& sideA, Lanes& sideB) {
  Lanes byPlayer[kPlayers];
  WidenTable(table, byPlayer);
  sideA = __builtin_shufflevector(byPlayer[0], byPlayer[1], 0, 1, 2, 3, 8, 9, 10, 11);
  sideB = __builtin_shufflevector(byPlayer[0], byPlayer[1], 4, 5, 6, 7, 12, 13, 14, 15);
}

ReadingLanes ReadCell(const CellTables& t) {
  ReadingLanes a;
  ReadTable(t.runLen, a.runA, a.runB);
  ReadTable(t.runFree, a.freeA, a.freeB);
  ReadTable(t.spanLen, a.spanA, a.spanB);
  ReadTable(t.spanFree, a.spanFreeA, a.spanFreeB);
  return a;
}

}  // namespace

void ClassifyThreats(AnalysisState& s) {
  ResetThreatCounts(s);
  const Lanes threats = ThreatClassLanes(ReadCell(*s.currentTables));
  for (int lane = 0; lane < kLanes; lane++) s.threatCounts[threats[lane]][lane / kAxes]++;
}

}  // namespace tulvo::engine

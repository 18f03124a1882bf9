// The threat-class decision list, applied to the current cell's tables.
#include "analysis/threat_classes.h"

#include <cstring>

#include "analysis/cell_tables.h"

int32_t threatCounts[kThreatRows][kPlayers];

void ResetThreatCounts() { memset(threatCounts, 0, sizeof threatCounts); }

// The first matching rule decides; the order matters.
int ThreatClassOf(const AxisReadings& a) {
  int total = a.runA + a.runB;
  int openEnds = (a.freeA >= 1) + (a.freeB >= 1);
  int freeSum = a.freeA + a.freeB;
  if (total >= 4) return kThreatFive;
  if (total == 3 && openEnds == 2) return kThreatOpenFour;
  if (total >= 2 && a.spanA >= a.runA + 2 && a.spanB >= a.runB + 2) return kThreatOpenFour;
  if (total == 3 && freeSum >= 1) return kThreatFour;
  if (a.spanA + a.runB >= 4 || a.spanB + a.runA >= 4) return kThreatFour;
  if (total >= 2 && openEnds == 2 && freeSum >= 3) return kThreatOpenThree;
  if (a.spanA + a.runB >= 3 && a.spanFreeA >= 1 && a.freeB >= 1) return kThreatOpenThree;
  if (a.spanB + a.runA >= 3 && a.spanFreeB >= 1 && a.freeA >= 1) return kThreatOpenThree;
  return kThreatNone;
}

static AxisReadings ReadAxis(int p, int j) {
  const CellTables& t = *currentTables;
  int a = TableIndex(p, j), b = TableIndex(p, opposite[j]);
  return {t.runLen[a],  t.runLen[b],  t.runFree[a],  t.runFree[b],
          t.spanLen[a], t.spanLen[b], t.spanFree[a], t.spanFree[b]};
}

void ClassifyThreats() {
  ResetThreatCounts();
  for (int j = 0; j < kAxes; j++)
    for (int p = 0; p < kPlayers; p++) threatCounts[ThreatClassOf(ReadAxis(p, j))][p]++;
}

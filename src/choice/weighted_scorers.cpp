// ScoreWeighted: cramped axes add their span lengths, open axes a line term per player.
#include "choice/weighted_scorers.h"

#include "analysis/cell_tables.h"
#include "choice/move_search.h"
#include "driver/position.h"

const int32_t level6Params[19] = {17, 21, 22, 3, 20, 24, 2, 4, 11, 17, 39, 4, 19, 23, 43, 36, 34, 5, 23};

WeightedConstants weightedConstants;
int32_t spanWeight = 0;
int32_t spanDivisor = 1;
int32_t shapeScore[2];

// Stone-count bands 0..6, 7..11, 12..17, 18 and more.
static int StoneBand() {
  if (stoneCount < 7) return 0;
  if (stoneCount < 12) return 1;
  if (stoneCount < 18) return 2;
  return 3;
}

static void PrepareLevel5(int band) {
  static const int32_t kSpanWeight[4] = {2, 2, 3, 3};
  static const int32_t kSpanDivisor[4] = {1, 2, 3, 4};
  weightedConstants = {2, 2, boardMax < 15 ? 6 : 5, 2, 2, 7, 15, 14, 3, 2, 8};
  spanWeight = kSpanWeight[band];
  spanDivisor = kSpanDivisor[band];
}

static void PrepareLevel6(int band) {
  const int32_t* p = level6Params;
  weightedConstants = {p[14], p[15], p[0], p[16], p[3], p[4], p[13], p[1], p[17], p[18], p[2]};
  spanWeight = p[5 + 2 * band];
  spanDivisor = p[6 + 2 * band];
}

void PrepareSpanWeights(int level) {
  if (level == 5)
    PrepareLevel5(StoneBand());
  else
    PrepareLevel6(StoneBand());
}

int32_t RunBoost(int runLength) { return runLength == 0 ? 0 : 2 * runLength - 1; }

// 8-bit (multiplier x value + addend), then capped.
static int32_t CappedByteWeight(int32_t mul, int32_t value, int32_t add, int32_t cap) {
  int32_t weight = uint8_t(mul * value + add);
  return weight > cap ? cap : weight;
}

static int32_t ShapeScore(int d, int p) {
  const CellTables& t = *currentTables;
  const WeightedConstants& k = weightedConstants;
  int a = TableIndex(p, d), b = TableIndex(p, opposite[d]);
  int32_t runA = t.runLen[a], runB = t.runLen[b], spanA = t.spanLen[a], spanB = t.spanLen[b];
  int32_t score = runA * runA * CappedByteWeight(k.runWeightMul, t.runFree[a], k.runWeightAdd, k.runWeightCap) +
                  runB * runB * CappedByteWeight(k.runWeightMul, t.runFree[b], k.runWeightAdd, k.runWeightCap);
  score += spanWeight * (spanA + 1) * (spanA + 1) + spanWeight * (spanB + 1) * (spanB + 1);
  score += k.gapMul * spanWeight * (t.spanGap[b] + t.spanGap[a]);
  if (d == 0 || d == 2) score += spanA * spanA + spanB * spanB / spanDivisor;
  return score;
}

void ScoreAxisShapes(int d) {
  shapeScore[ownIndex] = ShapeScore(d, ownIndex);
  shapeScore[oppIndex] = ShapeScore(d, oppIndex);
}

// The longest gapped line through the cell on axis d, weighted by the free cells
// beyond its two ends, plus the player's shape score.
static int32_t LineTerm(int d, int p) {
  const CellTables& t = *currentTables;
  const WeightedConstants& k = weightedConstants;
  const bool boosted = p == ownIndex && ownIndex == kPlayerX;
  int a = TableIndex(p, d), b = TableIndex(p, opposite[d]);
  int32_t boostA = boosted ? RunBoost(t.runLen[a]) : t.runLen[a];
  int32_t boostB = boosted ? RunBoost(t.runLen[b]) : t.runLen[b];
  int32_t towardA = uint8_t(t.spanLen[a] + boostB);
  int32_t towardB = uint8_t(t.spanLen[b] + boostA);
  // The span runs toward the longer side; a tie keeps direction d.
  int spanSide = towardA >= towardB ? a : b;
  int runSide = towardA >= towardB ? b : a;
  int32_t value = towardA >= towardB ? towardA : towardB;
  int32_t weight =
      CappedByteWeight(k.lineWeightMul, t.spanFree[spanSide] + t.runFree[runSide], k.lineWeightAdd, k.lineWeightCap);
  return (value * value * weight + k.lineCoef * value) / k.lineDiv + (value + 1) * (value + 1) / k.squareDiv +
         k.shapeMul * shapeScore[p];
}

static int32_t Reach(int d, int p) {
  const CellTables& t = *currentTables;
  int a = TableIndex(p, d), b = TableIndex(p, opposite[d]);
  return t.spanLen[a] + t.spanLen[b] + t.spanFree[a] + t.spanFree[b];
}

static int32_t AxisContribution(int d) {
  if (Reach(d, ownIndex) <= kCrampedLimit && Reach(d, oppIndex) <= kCrampedLimit) {
    const CellTables& t = *currentTables;
    int o = opposite[d];
    return t.spanLen[TableIndex(ownIndex, d)] + t.spanLen[TableIndex(oppIndex, d)] +
           t.spanLen[TableIndex(ownIndex, o)] + t.spanLen[TableIndex(oppIndex, o)];
  }
  ScoreAxisShapes(d);
  return LineTerm(d, ownIndex) + LineTerm(d, oppIndex);
}

int32_t ScoreWeighted() {
  int32_t sum = 0;
  for (int d = 0; d < kAxes; d++) sum += AxisContribution(d);
  return sum;
}

// ScoreWeighted: cramped axes add their span lengths, open axes a line term per player.
// The four axes of a player are scored together, one vector lane each.
#include "choice/weighted_scorers.h"

#include "analysis/cell_tables.h"
#include "analysis/table_lanes.h"
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

static void PrepareConstantLanes();

void PrepareSpanWeights(int level) {
  if (level == 5)
    PrepareLevel5(StoneBand());
  else
    PrepareLevel6(StoneBand());
  PrepareConstantLanes();
}

namespace {

// The four axes of one player side by side, lane j for axis j. Every table value is
// at most 19, so every product, sum and dividend below is an integer under 2^24:
// float lanes hold them exactly, and a truncated float quotient is the integer one.
typedef float Lanes __attribute__((vector_size(16)));
typedef int32_t IntLanes __attribute__((vector_size(16)));

Lanes Broadcast(int32_t value) { return Lanes{} + float(value); }
IntLanes Truncated(Lanes v) { return __builtin_convertvector(v, IntLanes); }
Lanes Whole(IntLanes v) { return __builtin_convertvector(v, Lanes); }
Lanes Quotient(Lanes dividend, Lanes divisor) { return Whole(Truncated(dividend / divisor)); }
// The value in 8-bit arithmetic.
Lanes Wrapped(Lanes v) { return Whole(Truncated(v) & 255); }
Lanes Min(Lanes a, Lanes b) { return a < b ? a : b; }
Lanes Max(Lanes a, Lanes b) { return a > b ? a : b; }

// The level's constants as lanes, set by PrepareSpanWeights.
struct ConstantLanes {
  Lanes runWeightMul, runWeightAdd, runWeightCap;
  Lanes spanWeight, gapSpanWeight, spanDivisor;
  Lanes lineWeightMul, lineWeightAdd, lineWeightCap;
  Lanes lineCoef, lineDiv, squareDiv, shapeMul;
};
ConstantLanes constantLanes;

// Only the axes along x (0) and y (2) add their orthogonal part.
const Lanes kOrthogonal = {1, 0, 1, 0};

// One player's readings of the four axes: side a toward direction j, side b toward
// opposite[j].
struct Side {
  Lanes run, free, span, gap, spanFree;
};
struct Player {
  Side a, b;
};

// Both players' readings from one table: entries [p * 8 + 0..3] are side a, entries
// [p * 8 + 4..7] side b.
void ReadTable(const uint8_t* table, Lanes (&a)[kPlayers], Lanes (&b)[kPlayers]) {
  WideLanes byPlayer[kPlayers];
  WidenTable(table, byPlayer);
  const WideLanes none = {};
  for (int p = 0; p < kPlayers; p++) {
    a[p] = Whole((IntLanes)__builtin_shufflevector(byPlayer[p], none, 0, 8, 1, 9, 2, 10, 3, 11));
    b[p] = Whole((IntLanes)__builtin_shufflevector(byPlayer[p], none, 4, 12, 5, 13, 6, 14, 7, 15));
  }
}

struct Players {
  Player of[kPlayers];
};

Players ReadPlayers() {
  const CellTables& t = *currentTables;
  Lanes a[5][kPlayers], b[5][kPlayers];
  ReadTable(t.runLen, a[0], b[0]);
  ReadTable(t.runFree, a[1], b[1]);
  ReadTable(t.spanLen, a[2], b[2]);
  ReadTable(t.spanGap, a[3], b[3]);
  ReadTable(t.spanFree, a[4], b[4]);
  Players r;
  for (int p = 0; p < kPlayers; p++)
    r.of[p] = {{a[0][p], a[1][p], a[2][p], a[3][p], a[4][p]}, {b[0][p], b[1][p], b[2][p], b[3][p], b[4][p]}};
  return r;
}

// (multiplier x value + addend) in 8-bit arithmetic, then capped.
Lanes CappedByteWeight(Lanes mul, Lanes value, Lanes add, Lanes cap) { return Min(Wrapped(mul * value + add), cap); }

Lanes RunBoostLanes(Lanes run) { return Max(run + run - 1, Lanes{}); }

Lanes ShapeLanes(const Player& p) {
  const ConstantLanes& k = constantLanes;
  const Lanes weightA = CappedByteWeight(k.runWeightMul, p.a.free, k.runWeightAdd, k.runWeightCap);
  const Lanes weightB = CappedByteWeight(k.runWeightMul, p.b.free, k.runWeightAdd, k.runWeightCap);
  const Lanes spanA1 = p.a.span + 1, spanB1 = p.b.span + 1;
  return p.a.run * p.a.run * weightA + p.b.run * p.b.run * weightB + k.spanWeight * (spanA1 * spanA1 + spanB1 * spanB1) +
         k.gapSpanWeight * (p.b.gap + p.a.gap) +
         kOrthogonal * (p.a.span * p.a.span + Quotient(p.b.span * p.b.span, k.spanDivisor));
}

// The longest gapped line through the cell, weighted by the free cells beyond its
// two ends, plus the shape score.
IntLanes LineTermLanes(const Player& p, Lanes shape, bool boosted) {
  const ConstantLanes& k = constantLanes;
  const Lanes boostA = boosted ? RunBoostLanes(p.a.run) : p.a.run;
  const Lanes boostB = boosted ? RunBoostLanes(p.b.run) : p.b.run;
  const Lanes towardA = Wrapped(p.a.span + boostB), towardB = Wrapped(p.b.span + boostA);
  // The span runs toward the longer side; a tie keeps direction d.
  const IntLanes spanTowardA = towardA >= towardB;
  const Lanes value = spanTowardA ? towardA : towardB;
  const Lanes freeEnds = spanTowardA ? p.a.spanFree + p.b.free : p.b.spanFree + p.a.free;
  const Lanes weight = CappedByteWeight(k.lineWeightMul, freeEnds, k.lineWeightAdd, k.lineWeightCap);
  const Lanes value1 = value + 1;
  return Truncated(Quotient(value * value * weight + k.lineCoef * value, k.lineDiv) +
                   Quotient(value1 * value1, k.squareDiv) + k.shapeMul * shape);
}

Lanes Reach(const Player& p) { return p.a.span + p.b.span + p.a.spanFree + p.b.spanFree; }

}  // namespace

int32_t RunBoost(int runLength) { return int32_t(RunBoostLanes(Broadcast(runLength))[0]); }

void ScoreAxisShapes(int d) {
  const Players players = ReadPlayers();
  shapeScore[ownIndex] = int32_t(ShapeLanes(players.of[ownIndex])[d]);
  shapeScore[oppIndex] = int32_t(ShapeLanes(players.of[oppIndex])[d]);
}

// All four axes at once: a cramped axis (reach at most kCrampedLimit for both players)
// adds its span lengths, any other axis both players' line terms.
int32_t ScoreWeighted() {
  const Players players = ReadPlayers();
  const Player &own = players.of[ownIndex], &opp = players.of[oppIndex];
  const Lanes limit = Broadcast(kCrampedLimit);
  const IntLanes cramped = (Reach(own) <= limit) & (Reach(opp) <= limit);
  const Lanes ownShape = ShapeLanes(own), oppShape = ShapeLanes(opp);
  const IntLanes lines = LineTermLanes(own, ownShape, ownIndex == kPlayerX) + LineTermLanes(opp, oppShape, false);
  const IntLanes spans = Truncated(own.a.span + opp.a.span + own.b.span + opp.b.span);
  const IntLanes contribution = cramped ? spans : lines;
  // shapeScore keeps the shapes of the last axis that was not cramped.
  for (int d = kAxes - 1; d >= 0; d--) {
    if (cramped[d]) continue;
    shapeScore[ownIndex] = int32_t(ownShape[d]);
    shapeScore[oppIndex] = int32_t(oppShape[d]);
    break;
  }
  return contribution[0] + contribution[1] + contribution[2] + contribution[3];
}

static void PrepareConstantLanes() {
  const WeightedConstants& k = weightedConstants;
  constantLanes = {Broadcast(k.runWeightMul),  Broadcast(k.runWeightAdd),  Broadcast(k.runWeightCap),
                   Broadcast(spanWeight),      Broadcast(k.gapMul * spanWeight), Broadcast(spanDivisor),
                   Broadcast(k.lineWeightMul), Broadcast(k.lineWeightAdd), Broadcast(k.lineWeightCap),
                   Broadcast(k.lineCoef),      Broadcast(k.lineDiv),       Broadcast(k.squareDiv),
                   Broadcast(k.shapeMul)};
}

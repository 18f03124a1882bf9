// ScoreWeighted: cramped axes add their span lengths, open axes a line term per player.
// The four axes of a player are scored together, one vector lane each.
#include "engine/choice/weighted_scorers.h"

#include "engine/choice/engine_state.h"

namespace tulvo::engine {

// Bands as {spanWeight, spanDivisor}, from the fewest stones to the most.
// clang-format off
const LevelConstants level5Constants = {
    .constants = {.runWeightMul = 2, .runWeightAdd = 2, .runWeightCap = 5, .gapMul = 2, .lineWeightMul = 2,
        .lineWeightAdd = 7, .lineWeightCap = 15, .lineCoef = 14, .lineDiv = 3, .squareDiv = 2, .shapeMul = 8},
    .bands = {{2, 1}, {2, 2}, {3, 3}, {3, 4}}};
const LevelConstants level6Params = {
    .constants = {.runWeightMul = 43, .runWeightAdd = 36, .runWeightCap = 17, .gapMul = 34, .lineWeightMul = 3,
        .lineWeightAdd = 20, .lineWeightCap = 23, .lineCoef = 21, .lineDiv = 5, .squareDiv = 23, .shapeMul = 22},
    .bands = {{24, 2}, {4, 11}, {17, 39}, {4, 19}}};
// clang-format on

// Stone-count bands 0..6, 7..11, 12..17, 18 and more.
static int StoneBand(int32_t stoneCount) {
  if (stoneCount < 7) return 0;
  if (stoneCount < 12) return 1;
  if (stoneCount < 18) return 2;
  return 3;
}

namespace {

// One player's table entries in 16-bit lanes, as in the tables: lane j is side a of
// axis j (direction j), lane j + 4 side b (direction opposite[j]). The small integer
// steps (8-bit weights, boosts, the choice of the line's side) run here, both sides
// at once.
typedef WideLanes Sides;
// The four axes of one player, lane j for axis j. Every table value is at most 19, so
// every product, sum and dividend of the line and shape terms is an integer under
// 2^24: float lanes hold them exactly, and a truncated float quotient is the integer
// one.
typedef FloatLanes Lanes;
typedef int32_t IntLanes __attribute__((vector_size(16)));

Sides SwapSides(Sides v) { return __builtin_shufflevector(v, v, 4, 5, 6, 7, 0, 1, 2, 3); }
Sides Smaller(Sides a, Sides b) { return a < b ? a : b; }
Sides Larger(Sides a, Sides b) { return a > b ? a : b; }
Sides BroadcastSides(int32_t value) { return Sides{} + int16_t(value); }
// Side a's lanes (or side b's) as 32-bit integers.
IntLanes SideA(Sides v) { return (IntLanes)__builtin_shufflevector(v, Sides{}, 0, 8, 1, 9, 2, 10, 3, 11); }
IntLanes SideB(Sides v) { return (IntLanes)__builtin_shufflevector(v, Sides{}, 4, 12, 5, 13, 6, 14, 7, 15); }
// A mask of side a's lanes widened to 32 bits.
IntLanes MaskA(Sides mask) { return (IntLanes)__builtin_shufflevector(mask, mask, 0, 0, 1, 1, 2, 2, 3, 3); }

Lanes Broadcast(int32_t value) { return Lanes{} + float(value); }
Lanes Whole(IntLanes v) { return __builtin_convertvector(v, Lanes); }
IntLanes Truncated(Lanes v) { return __builtin_convertvector(v, IntLanes); }
Lanes Quotient(Lanes dividend, Lanes divisor) { return Whole(Truncated(dividend / divisor)); }

// Only the axes along x (0) and y (2) add their orthogonal part.
const Lanes kOrthogonal = {1, 0, 1, 0};

struct PlayerSides {
  Sides run, free, span, gap, spanFree;
};
struct Players {
  PlayerSides of[kPlayers];
};

Players ReadPlayers(const CellTables& t) {
  Sides run[kPlayers], free[kPlayers], span[kPlayers], gap[kPlayers], spanFree[kPlayers];
  WidenTable(t.runLen, run);
  WidenTable(t.runFree, free);
  WidenTable(t.spanLen, span);
  WidenTable(t.spanGap, gap);
  WidenTable(t.spanFree, spanFree);
  Players r;
  for (int p = 0; p < kPlayers; p++) r.of[p] = {run[p], free[p], span[p], gap[p], spanFree[p]};
  return r;
}

// (multiplier x value + addend) in 8-bit arithmetic, then capped.
Sides CappedByteWeight(Sides mul, Sides value, Sides add, Sides cap) { return Smaller((mul * value + add) & 255, cap); }

// runBoost: 0 for no run, 2n - 1 for a run of n, for any length.
Sides RunBoostSides(Sides run) { return Larger(run + run - 1, Sides{}); }

// What the shape and line terms of one player read, per axis.
struct Axes {
  Lanes runA, runB, weightA, weightB, spanA, spanB, gaps;
  Lanes value, lineWeight;  // the longest gapped line and the weight of its free ends
};

Axes ReadAxes(const ConstantLanes& k, const PlayerSides& t, bool boosted) {
  const Sides runWeight = CappedByteWeight(k.runWeightMul, t.free, k.runWeightAdd, k.runWeightCap);
  const Sides boost = boosted ? RunBoostSides(t.run) : t.run;
  // Side a's lanes: toward a is span a plus the boosted run b (8-bit); side b's the
  // reverse. The span runs toward the longer side; a tie keeps side a.
  const Sides toward = (t.span + SwapSides(boost)) & 255, towardOther = SwapSides(toward);
  const Sides spanTowardA = toward >= towardOther;
  const Sides ends = t.spanFree + SwapSides(t.free);  // free cells beyond the span's and the run's ends
  const Sides freeEnds = spanTowardA ? ends : SwapSides(ends);
  const Sides lineWeight = CappedByteWeight(k.lineWeightMul, freeEnds, k.lineWeightAdd, k.lineWeightCap);
  return {Whole(SideA(t.run)),
          Whole(SideB(t.run)),
          Whole(SideA(runWeight)),
          Whole(SideB(runWeight)),
          Whole(SideA(t.span)),
          Whole(SideB(t.span)),
          Whole(SideA(t.gap + SwapSides(t.gap))),
          Whole(SideA(Larger(toward, towardOther))),
          Whole(SideA(lineWeight))};
}

Lanes ShapeLanes(const ConstantLanes& k, const Axes& a) {
  const Lanes spanA1 = a.spanA + 1, spanB1 = a.spanB + 1;
  return a.runA * a.runA * a.weightA + a.runB * a.runB * a.weightB +
         k.spanWeight * (spanA1 * spanA1 + spanB1 * spanB1) + k.gapSpanWeight * a.gaps +
         kOrthogonal * (a.spanA * a.spanA + Quotient(a.spanB * a.spanB, k.spanDivisor));
}

// The longest gapped line through the cell, weighted by the free cells beyond its
// two ends, plus the shape score.
IntLanes LineTermLanes(const ConstantLanes& k, const Axes& a, Lanes shape) {
  const Lanes v = a.value, v1 = a.value + 1;
  return Truncated(Quotient(v * v * a.lineWeight + k.lineCoef * v, k.lineDiv) + Quotient(v1 * v1, k.squareDiv) +
                   k.shapeMul * shape);
}

// Side a's lanes: spans plus free cells beyond them, on both sides of the axis.
Sides Reach(const PlayerSides& t) {
  const Sides reach = t.span + t.spanFree;
  return reach + SwapSides(reach);
}

}  // namespace

// All four axes at once: a cramped axis (reach at most kCrampedLimit for both players)
// adds its span lengths, any other axis both players' line terms.
WeightedAxes ScoreWeightedAxes(const EngineState& s) {
  const ConstantLanes& k = s.constantLanes;
  const int ownIndex = s.ownIndex, oppIndex = s.oppIndex;
  const Players players = ReadPlayers(*s.currentTables);
  const PlayerSides &own = players.of[ownIndex], &opp = players.of[oppIndex];
  const Sides limit = BroadcastSides(kCrampedLimit);
  const IntLanes cramped = MaskA((Reach(own) <= limit) & (Reach(opp) <= limit));
  const Sides spanSum = own.span + opp.span;
  const IntLanes spans = SideA(spanSum + SwapSides(spanSum));
  const Axes ownAxes = ReadAxes(k, own, ownIndex == kPlayerX), oppAxes = ReadAxes(k, opp, false);
  const Lanes ownShape = ShapeLanes(k, ownAxes), oppShape = ShapeLanes(k, oppAxes);
  const IntLanes lines = LineTermLanes(k, ownAxes, ownShape) + LineTermLanes(k, oppAxes, oppShape);
  const IntLanes contribution = cramped ? spans : lines;
  WeightedAxes axes;
  for (int d = 0; d < kAxes; d++) {
    axes.contribution[d] = contribution[d];
    axes.lineValue[ownIndex][d] = int32_t(ownAxes.value[d]);
    axes.lineValue[oppIndex][d] = int32_t(oppAxes.value[d]);
    axes.shape[ownIndex][d] = int32_t(ownShape[d]);
    axes.shape[oppIndex][d] = int32_t(oppShape[d]);
  }
  return axes;
}

// Flattened: the breakdown is built in place, so the scan pays nothing for the parts
// it does not read.
__attribute__((flatten)) int32_t ScoreWeighted(const EngineState& s) {
  const WeightedAxes axes = ScoreWeightedAxes(s);
  return axes.contribution[0] + axes.contribution[1] + axes.contribution[2] + axes.contribution[3];
}

static void PrepareConstantLanes(EngineState& s) {
  const WeightedConstants& k = s.weightedConstants;
  s.constantLanes = {BroadcastSides(k.runWeightMul),
                     BroadcastSides(k.runWeightAdd),
                     BroadcastSides(k.runWeightCap),
                     BroadcastSides(k.lineWeightMul),
                     BroadcastSides(k.lineWeightAdd),
                     BroadcastSides(k.lineWeightCap),
                     Broadcast(s.spanWeight),
                     Broadcast(k.gapMul * s.spanWeight),
                     Broadcast(s.spanDivisor),
                     Broadcast(k.lineCoef),
                     Broadcast(k.lineDiv),
                     Broadcast(k.squareDiv),
                     Broadcast(k.shapeMul)};
}

void PrepareSpanWeights(EngineState& s, int level) {
  const LevelConstants& k = level == 5 ? level5Constants : level6Params;
  const SpanBand& band = k.bands[StoneBand(s.stoneCount)];
  s.weightedConstants = k.constants;
  // Level 5 gives runs more weight on boards under 15 x 15; level 6 ignores the size.
  if (level == 5 && s.boardMax < 15) s.weightedConstants.runWeightCap = 6;
  s.spanWeight = band.spanWeight;
  s.spanDivisor = band.spanDivisor;
  PrepareConstantLanes(s);
}

}  // namespace tulvo::engine

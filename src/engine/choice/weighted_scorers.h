// Base scores of levels 5 and 6: per axis, weighted line terms of both players with
// weights that depend on the number of stones on the board.
#pragma once

#include <cstdint>

namespace tulvo::engine {

// The constants of one level's line terms.
struct WeightedConstants {
  int32_t runWeightMul, runWeightAdd, runWeightCap;
  int32_t gapMul;
  int32_t lineWeightMul, lineWeightAdd, lineWeightCap;
  int32_t lineCoef, lineDiv, squareDiv, shapeMul;
};

// spanWeight and spanDivisor of one stone-count band.
struct SpanBand {
  int32_t spanWeight, spanDivisor;
};

// Everything a level sets: its constants and the span weights of the stone-count
// bands 0..6, 7..11, 12..17, 18 and more.
struct LevelConstants {
  WeightedConstants constants;
  SpanBand bands[4];
};

constexpr int kCrampedLimit = 4;  // an axis whose reach is at most this for both players

extern const LevelConstants level5Constants;  // runWeightCap 5; 6 on boards under 15 x 15
extern const LevelConstants level6Params;
extern WeightedConstants weightedConstants;  // the level's constants for this run
extern int32_t spanWeight;
extern int32_t spanDivisor;
extern int32_t shapeScore[2];  // by player index, as ScoreAxisShapes leaves it

// Sets the constants of level 5 or 6 and the stone-count band's span weights; the two
// scorers below use what it set.
void PrepareSpanWeights(int level);
int32_t ScoreWeighted();
// The shape scores of both players on axis d (0..3) of the current cell, the part of
// the line term that ScoreWeighted multiplies by shapeMul; sets shapeScore. The scan
// never needs them on their own: this is for inspecting one axis.
void ScoreAxisShapes(int d);
// runBoost: 0 for no run, 2n - 1 for a run of n, for any length.
int32_t RunBoost(int runLength);

}  // namespace tulvo::engine

// Base scores of levels 5 and 6: per axis, weighted line terms of both players with
// weights that depend on the number of stones on the board.
#pragma once

#include <cstdint>

// The constants of one level; level 6 takes them from level6Params.
struct WeightedConstants {
  int32_t runWeightMul, runWeightAdd, runWeightCap;
  int32_t gapMul;
  int32_t lineWeightMul, lineWeightAdd, lineWeightCap;
  int32_t lineCoef, lineDiv, squareDiv, shapeMul;
};

constexpr int kCrampedLimit = 4;  // an axis whose reach is at most this for both players

extern const int32_t level6Params[19];
extern WeightedConstants weightedConstants;  // the level's constants for this run
extern int32_t spanWeight;
extern int32_t spanDivisor;
extern int32_t shapeScore[2];  // by player index, of the last axis that was not cramped

// Sets the constants of level 5 or 6 and the stone-count band's span weights; the two
// scorers below use what it set.
void PrepareSpanWeights(int level);
int32_t ScoreWeighted();
void ScoreAxisShapes(int d);
// runBoost: 0 for no run, 2n - 1 for a run of n (also beyond the table's 0..9).
int32_t RunBoost(int runLength);

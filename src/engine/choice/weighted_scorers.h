// Base scores of levels 5 and 6: per axis, weighted line terms of both players with
// weights that depend on the number of stones on the board.
#pragma once

#include <cstdint>

#include "engine/analysis/table_lanes.h"
#include "engine/board/core_types.h"

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

// Four float lanes, one per axis.
typedef float FloatLanes __attribute__((vector_size(16)));

// The level's constants and span weights as lanes, set by PrepareSpanWeights: the small
// integer weights in 16-bit lanes (both sides of an axis at once), the rest as floats.
struct ConstantLanes {
  WideLanes runWeightMul, runWeightAdd, runWeightCap;
  WideLanes lineWeightMul, lineWeightAdd, lineWeightCap;
  FloatLanes spanWeight, gapSpanWeight, spanDivisor;
  FloatLanes lineCoef, lineDiv, squareDiv, shapeMul;
};

struct EngineState;

// The current cell's weighted score axis by axis: what each axis adds, and for each
// player (by index) the two parts of its line term: the length of the longest gapped
// line through the cell (the side to move's runs boosted when X is to move), and the
// shape score that the term multiplies by shapeMul.
struct WeightedAxes {
  int32_t contribution[kAxes];
  int32_t lineValue[kPlayers][kAxes];
  int32_t shape[kPlayers][kAxes];
};

// Sets the constants of level 5 or 6 and the stone-count band's span weights; the
// scorers below use what it set.
void PrepareSpanWeights(EngineState& s, int level);
WeightedAxes ScoreWeightedAxes(const EngineState& s);
int32_t ScoreWeighted(const EngineState& s);  // the sum of the four axes' contributions

}  // namespace tulvo::engine

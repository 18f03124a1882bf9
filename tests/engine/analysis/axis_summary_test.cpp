#include "engine/analysis/axis_summary.h"

#include <gtest/gtest.h>

#include "engine/analysis/analysis_state.h"
#include "engine/choice/engine_state.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

std::unique_ptr<EngineState> Summarize(const std::vector<StoneAt>& stones, int x, int y) {
  std::unique_ptr<EngineState> state = LoadedState(RowsWithStones(20, stones), 1);
  EngineState& s = *state;
  ResetAxisSummary(s);
  SelectCell(s, x, y);
  SummarizeAxes(s);
  SummarizeGapped(s);
  return state;
}

}  // namespace

TEST(SummarizeAxes, SingleNeighbourInDirectionZero) {
  const std::unique_ptr<EngineState> state = Summarize({{10, 9, 'x'}}, 9, 9);
  const AxisSummary& s = state->axisSummary;
  EXPECT_EQ(s.bestRun[0], 1);
  EXPECT_EQ(s.bestOpenEnds[0], 2);
  EXPECT_EQ(s.bestFree[0], 18);
  EXPECT_EQ(s.secondRun[0], 0);  // axis 3
  EXPECT_EQ(s.secondOpenEnds[0], 2);
  EXPECT_EQ(s.secondFree[0], 18);
  EXPECT_EQ(s.bestGapped[0], 2);
  EXPECT_EQ(s.secondGapped[0], 1);

  EXPECT_EQ(s.bestRun[1], 0);  // axis 3
  EXPECT_EQ(s.bestFree[1], 18);
  EXPECT_EQ(s.secondRun[1], 0);  // axis 2
  EXPECT_EQ(s.secondFree[1], 19);
  EXPECT_EQ(s.bestGapped[1], 1);
  EXPECT_EQ(s.secondGapped[1], 1);
}

TEST(SummarizeAxes, TiesGoToTheLaterAxis) {
  // Two X stones on axis 0 and two on axis 2: axis 2 is best, axis 0 second. Axis 0
  // is blocked by O on one end, so the two axes' open ends differ.
  const std::unique_ptr<EngineState> state =
      Summarize({{10, 5, 'x'}, {11, 5, 'x'}, {12, 5, 'o'}, {9, 6, 'x'}, {9, 7, 'x'}}, 9, 5);
  const AxisSummary& s = state->axisSummary;
  EXPECT_EQ(s.bestRun[0], 2);
  EXPECT_EQ(s.secondRun[0], 2);
  EXPECT_EQ(s.bestOpenEnds[0], 2);    // axis 2: free below and above
  EXPECT_EQ(s.secondOpenEnds[0], 1);  // axis 0: blocked by O
}

TEST(SummarizeAxes, NoStoneOnAnyLineNearEdgeTakesAxesThreeAndTwo) {
  // Cell (0, 1), nearest stone two along x and one along y: on none of its lines.
  const std::unique_ptr<EngineState> state = Summarize({{2, 2, 'x'}}, 0, 1);
  const AxisSummary& s = state->axisSummary;
  EXPECT_EQ(s.bestRun[0], 0);
  EXPECT_EQ(s.secondRun[0], 0);
  // Axis 3 from (0, 1): direction 3 (-1, +1) is off the board, direction 7 (+1, -1)
  // reaches (1, 0) only: one free cell, one open end.
  EXPECT_EQ(s.bestOpenEnds[0], 1);
  EXPECT_EQ(s.bestFree[0], 1);
  // Axis 2 along y: one cell above, 18 below.
  EXPECT_EQ(s.secondOpenEnds[0], 2);
  EXPECT_EQ(s.secondFree[0], 19);
}

TEST(SummarizeGapped, BestAndSecondGappedTotals) {
  // Axis 0:  x x [] - x  (a run of 2 on one side, a gap and a stone on the other).
  const std::unique_ptr<EngineState> state = Summarize({{7, 9, 'x'}, {8, 9, 'x'}, {11, 9, 'x'}, {9, 11, 'x'}}, 9, 9);
  const AxisSummary& s = state->axisSummary;
  // Toward +x: gap (10, 9) then x (11, 9): spanLen 2; toward -x run 2: total 4.
  EXPECT_EQ(s.bestGapped[0], 4);
  // Axis 2: gap (9, 10) then x (9, 11): spanLen 2.
  EXPECT_EQ(s.secondGapped[0], 2);
}

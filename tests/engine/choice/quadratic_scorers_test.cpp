#include "engine/choice/quadratic_scorers.h"

#include <gtest/gtest.h>

#include "engine/analysis/cell_tables.h"
#include "engine/choice/move_search.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

struct Scores {
  int32_t runSquares, runSpanSquares, freeWeighted;
  bool operator==(const Scores&) const = default;
};

Scores ScoresAt(EngineState& s, const std::vector<StoneAt>& stones, int x, int y, int side) {
  LoadPosition(s, RowsWithStones(20, stones), side);
  s.ownIndex = uint8_t(side - 1);
  s.oppIndex = uint8_t(2 - side);
  SelectCell(s, x, y);
  return {ScoreRunSquares(s), ScoreRunSpanSquares(s), ScoreFreeWeighted(s)};
}

}  // namespace

TEST(QuadraticScorers, WorkedValues) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  struct Case {
    const char* what;
    std::vector<StoneAt> stones;
    int x, y;
    Scores scores;
  };
  const Case cases[] = {
      // (9, 9) sees no stone on its lines; (11, 10) only marks it.
      {"no stone on any line", {{11, 10, 'x'}}, 9, 9, {0, 48, 144}},
      {"corner", {{2, 1, 'x'}}, 0, 0, {0, 18, 54}},
      {"one neighbour", {{10, 9, 'x'}}, 9, 9, {3, 53, 156}},
      {"one opponent neighbour", {{10, 9, 'o'}}, 9, 9, {3, 53, 156}},
      {"two then blocked", {{10, 9, 'x'}, {11, 9, 'x'}, {12, 9, 'o'}}, 9, 9, {8, 58, 158}},
      {"three open to the edge", {{10, 9, 'x'}, {11, 9, 'x'}, {12, 9, 'x'}}, 9, 9, {15, 81, 252}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScoresAt(s, c.stones, c.x, c.y, 1), c.scores) << c.what;
    EXPECT_EQ(ScoresAt(s, c.stones, c.x, c.y, 2), c.scores) << c.what << " (O to move)";
  }
}

TEST(QuadraticScorers, NeverScannedCellScoresZero) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  ScoresAt(s, {{10, 10, 'x'}}, 0, 19, 1);
  EXPECT_EQ(ScoreRunSquares(s), 0);
  EXPECT_EQ(ScoreRunSpanSquares(s), 0);
  EXPECT_EQ(ScoreFreeWeighted(s), 0);
}

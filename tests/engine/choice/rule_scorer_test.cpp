#include "engine/choice/rule_scorer.h"

#include <gtest/gtest.h>

#include "engine/analysis/axis_summary.h"
#include "engine/analysis/cell_tables.h"
#include "engine/choice/move_search.h"
#include "engine/board/ai_level.h"
#include "engine/board/random.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

CellTables tables;

// A clean cell: zero tables and summary, X to move, at the given level.
void Start(int level) {
  tables = {};
  currentTables = &tables;
  ResetAxisSummary();
  aiLevel = level;
  ownIndex = 0;
  oppIndex = 1;
}

// Player p has a run of `run` stones toward direction 0 with free cells at both ends.
void OpenRun(int p, int run) {
  tables.runLen[TableIndex(p, 0)] = uint8_t(run);
  tables.runFree[TableIndex(p, 0)] = 3;
  tables.runFree[TableIndex(p, 4)] = 3;
}

void DoubleOpenThree(int p) {
  AxisSummary& s = axisSummary;
  s.bestRun[p] = s.secondRun[p] = 2;
  s.bestOpenEnds[p] = s.secondOpenEnds[p] = 2;
  s.bestFree[p] = s.secondFree[p] = 3;
}

void DoubleFour(int p) {
  AxisSummary& s = axisSummary;
  s.bestRun[p] = s.secondRun[p] = 3;
  s.bestOpenEnds[p] = s.secondOpenEnds[p] = 1;
}

// Scores at level 0 with the damping draws r (of 5) and s (of 4).
int32_t ScoreWithDraws(int32_t base, int r, int s) {
  SeedGiving({5, 4}, {r, s});
  return ScoreByRules(base).score;
}

}  // namespace

TEST(ScoreByRules, NoRuleGivesTheBase) {
  Start(1);
  EXPECT_EQ(ScoreByRules(123).score, 123);
  EXPECT_EQ(ScoreByRules(-7).score, -7);  // level 1 adds the base without a clamp
  Start(0);
  for (int r = 0; r < 5; r++) {
    EXPECT_EQ(ScoreWithDraws(1000, r, 0), 1000);
    EXPECT_EQ(ScoreWithDraws(1000, r, 1), 333);
    EXPECT_EQ(ScoreWithDraws(1000, r, 2), 2700);  // tripled, then clamped
    EXPECT_EQ(ScoreWithDraws(1000, r, 3), 0);
    EXPECT_EQ(ScoreWithDraws(-50, r, 0), 0);  // clamped from below
  }
}

TEST(ScoreByRules, LevelZeroDampsTheRuleValue) {
  struct Case {
    const char* what;
    void (*setUp)();
    int r;
    int32_t score;
  };
  const Case cases[] = {
      {"rule 4 r0", [] { DoubleOpenThree(0); }, 0, 11000}, {"rule 4 r1", [] { DoubleOpenThree(0); }, 1, 550},
      {"rule 4 r2", [] { DoubleOpenThree(0); }, 2, 27},    {"rule 4 r3", [] { DoubleOpenThree(0); }, 3, 1},
      {"rule 4 r4", [] { DoubleOpenThree(0); }, 4, 0},     {"rule 9 r4", [] { OpenRun(0, 3); }, 4, 26},
      {"rule 6 r4", [] { OpenRun(1, 3); }, 4, 22},         {"rule 3 r0", [] { DoubleOpenThree(1); }, 0, 8000},
      {"rule 14 r1", [] { DoubleFour(0); }, 1, 1500},
  };
  for (const Case& c : cases) {
    Start(0);
    c.setUp();
    EXPECT_EQ(ScoreWithDraws(100, c.r, 3), c.score) << c.what;  // s = 3 drops the base
  }
}

TEST(ScoreByRules, LaterRulesOverwriteEarlierOnes) {
  Start(1);
  OpenRun(1, 3);  // rule 6: 22000
  DoubleFour(1);  // rule 12: 28000
  EXPECT_EQ(ScoreByRules(40).score, 28040);

  Start(1);
  axisSummary.bestRun[0] = axisSummary.bestRun[1] = 3;
  axisSummary.bestOpenEnds[0] = 1;
  EXPECT_EQ(ScoreByRules(0).score, 4000);  // rule 1
  axisSummary.bestOpenEnds[1] = 1;
  EXPECT_EQ(ScoreByRules(0).score, 6000);  // rule 2 overwrites rule 1
}

TEST(ScoreByRules, LevelOneOnlyRules) {
  // Rule 13 (two gapped fours of own) counts at level 1 only; level 0 never reads the
  // gapped totals.
  Start(1);
  axisSummary.bestGapped[0] = axisSummary.secondGapped[0] = 4;
  EXPECT_EQ(ScoreByRules(5).score, 29505);
  Start(0);
  axisSummary.bestGapped[0] = axisSummary.secondGapped[0] = 4;
  EXPECT_EQ(ScoreWithDraws(5, 0, 0), 5);

  // Rule 7 / 10: stones on both sides reaching three cells with one gap.
  Start(1);
  tables.spanLen[TableIndex(0, 2)] = tables.spanLen[TableIndex(0, 6)] = 3;
  tables.runLen[TableIndex(0, 2)] = tables.runLen[TableIndex(0, 6)] = 1;
  EXPECT_EQ(ScoreByRules(0).score, 26500);
}

TEST(ScoreByRules, FivesOverrideEverythingAndStillDraw) {
  for (int r = 0; r < 5; r++)
    for (int s = 0; s < 4; s++) {
      Start(0);
      OpenRun(1, 4);
      uint32_t seed = SeedGiving({5, 4}, {r, s});
      EXPECT_EQ(ScoreByRules(2000).score, 32766);
      uint32_t twoStepsLater = (seed * 134775813u + 1u) * 134775813u + 1u;
      EXPECT_EQ(randomSeed, twoStepsLater);  // both damping draws were made
      OpenRun(0, 4);
      EXPECT_EQ(ScoreWithDraws(2000, r, s), 32767);  // making five beats blocking one
    }
  Start(1);
  tables.runLen[TableIndex(0, 1)] = 2;
  tables.runLen[TableIndex(0, 5)] = 2;
  EXPECT_EQ(ScoreByRules(-100).score, 32767);
}

namespace {

using SummaryField = uint8_t (AxisSummary::*)[kPlayers];

struct Condition {
  const char* name;
  SummaryField field;
  uint8_t least;  // the smallest value that meets the condition
};

// Every condition at its least value gives the rule (own for player 0, the opponent's
// for player 1); any one of them a step short gives no rule at all.
void ExpectRuleNeedsEveryCondition(const std::vector<Condition>& conditions, int ownRule, int oppRule) {
  for (int p = 0; p < kPlayers; p++) {
    auto setUp = [&](const Condition* weak) {
      Start(1);
      for (const Condition& c : conditions) (axisSummary.*c.field)[p] = c.least;
      if (weak != nullptr) (axisSummary.*weak->field)[p] = uint8_t(weak->least - 1);
    };
    setUp(nullptr);
    EXPECT_EQ(DecidingRule(), p == 0 ? ownRule : oppRule) << "player " << p;
    for (const Condition& weak : conditions) {
      setUp(&weak);
      EXPECT_EQ(DecidingRule(), 0) << weak.name << " one short, player " << p;
    }
  }
}

}  // namespace

// Each rule that combines several conditions: its conditions at their least values,
// then the rule's number for the own side and for the opponent.
#define AT_LEAST(field, least) \
  Condition { #field, &AxisSummary::field, least }

TEST(DecidingRule, EveryConditionOfACombinedRuleCounts) {
  // Two open threes.
  ExpectRuleNeedsEveryCondition({AT_LEAST(bestRun, 2), AT_LEAST(secondRun, 2), AT_LEAST(bestOpenEnds, 2),
                                 AT_LEAST(secondOpenEnds, 2), AT_LEAST(bestFree, 3), AT_LEAST(secondFree, 3)},
                                4, 3);
  // A four and a three.
  ExpectRuleNeedsEveryCondition({AT_LEAST(bestRun, 3), AT_LEAST(secondRun, 2), AT_LEAST(bestOpenEnds, 1),
                                 AT_LEAST(secondOpenEnds, 2), AT_LEAST(secondFree, 3)},
                                8, 5);
  // Two fours, and two gapped fours.
  ExpectRuleNeedsEveryCondition(
      {AT_LEAST(bestRun, 3), AT_LEAST(secondRun, 3), AT_LEAST(bestOpenEnds, 1), AT_LEAST(secondOpenEnds, 1)}, 14, 12);
  ExpectRuleNeedsEveryCondition({AT_LEAST(bestGapped, 4), AT_LEAST(secondGapped, 4)}, 13, 11);
}

#undef AT_LEAST

#include "engine/choice/rule_scorer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/analysis/axis_summary.h"
#include "engine/analysis/cell_tables.h"
#include "engine/board/random.h"
#include "engine/choice/move_search.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

CellTables tables;

// A clean cell: zero tables and summary, X to move, at the given level.
void Start(EngineState& e, int level) {
  tables = {};
  e.currentTables = &tables;
  ResetAxisSummary(e);
  e.aiLevel = level;
  e.ownIndex = 0;
  e.oppIndex = 1;
}

// Player p has a run of `run` stones toward direction 0 with free cells at both ends.
void OpenRun(int p, int run) {
  tables.runLen[TableIndex(p, 0)] = uint8_t(run);
  tables.runFree[TableIndex(p, 0)] = 3;
  tables.runFree[TableIndex(p, 4)] = 3;
}

void DoubleOpenThree(EngineState& e, int p) {
  AxisSummary& s = e.axisSummary;
  s.bestRun[p] = s.secondRun[p] = 2;
  s.bestOpenEnds[p] = s.secondOpenEnds[p] = 2;
  s.bestFree[p] = s.secondFree[p] = 3;
}

void DoubleFour(EngineState& e, int p) {
  AxisSummary& s = e.axisSummary;
  s.bestRun[p] = s.secondRun[p] = 3;
  s.bestOpenEnds[p] = s.secondOpenEnds[p] = 1;
}

// Scores at level 0 with the damping draws r (of 5) and s (of 4).
int32_t ScoreWithDraws(EngineState& e, int32_t base, int r, int s) {
  e.randomSeed = SeedGiving({5, 4}, {r, s});
  return ScoreByRules(e, base).score;
}

}  // namespace

TEST(ScoreByRules, NoRuleGivesTheBase) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& e = *state;
  Start(e, 1);
  EXPECT_EQ(ScoreByRules(e, 123).score, 123);
  EXPECT_EQ(ScoreByRules(e, -7).score, -7);  // level 1 adds the base without a clamp
  Start(e, 0);
  for (int r = 0; r < 5; r++) {
    EXPECT_EQ(ScoreWithDraws(e, 1000, r, 0), 1000);
    EXPECT_EQ(ScoreWithDraws(e, 1000, r, 1), 333);
    EXPECT_EQ(ScoreWithDraws(e, 1000, r, 2), 2700);  // tripled, then clamped
    EXPECT_EQ(ScoreWithDraws(e, 1000, r, 3), 0);
    EXPECT_EQ(ScoreWithDraws(e, -50, r, 0), 0);  // clamped from below
  }
}

TEST(ScoreByRules, LevelZeroDampsTheRuleValue) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& e = *state;
  struct Case {
    const char* what;
    void (*setUp)(EngineState&);
    int r;
    int32_t score;
  };
  const Case cases[] = {
      {"rule 4 r0", [](EngineState& e) { DoubleOpenThree(e, 0); }, 0, 11000},
      {"rule 4 r1", [](EngineState& e) { DoubleOpenThree(e, 0); }, 1, 550},
      {"rule 4 r2", [](EngineState& e) { DoubleOpenThree(e, 0); }, 2, 27},
      {"rule 4 r3", [](EngineState& e) { DoubleOpenThree(e, 0); }, 3, 1},
      {"rule 4 r4", [](EngineState& e) { DoubleOpenThree(e, 0); }, 4, 0},
      {"rule 9 r4", [](EngineState&) { OpenRun(0, 3); }, 4, 26},
      {"rule 6 r4", [](EngineState&) { OpenRun(1, 3); }, 4, 22},
      {"rule 3 r0", [](EngineState& e) { DoubleOpenThree(e, 1); }, 0, 8000},
      {"rule 14 r1", [](EngineState& e) { DoubleFour(e, 0); }, 1, 1500},
  };
  for (const Case& c : cases) {
    Start(e, 0);
    c.setUp(e);
    EXPECT_EQ(ScoreWithDraws(e, 100, c.r, 3), c.score) << c.what;  // s = 3 drops the base
  }
}

TEST(ScoreByRules, LaterRulesOverwriteEarlierOnes) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& e = *state;
  Start(e, 1);
  OpenRun(1, 3);     // rule 6: 22000
  DoubleFour(e, 1);  // rule 12: 28000
  EXPECT_EQ(ScoreByRules(e, 40).score, 28040);

  Start(e, 1);
  e.axisSummary.bestRun[0] = e.axisSummary.bestRun[1] = 3;
  e.axisSummary.bestOpenEnds[0] = 1;
  EXPECT_EQ(ScoreByRules(e, 0).score, 4000);  // rule 1
  e.axisSummary.bestOpenEnds[1] = 1;
  EXPECT_EQ(ScoreByRules(e, 0).score, 6000);  // rule 2 overwrites rule 1
}

TEST(ScoreByRules, LevelOneOnlyRules) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& e = *state;
  // Rule 13 (two gapped fours of own) counts at level 1 only; level 0 never reads the
  // gapped totals.
  Start(e, 1);
  e.axisSummary.bestGapped[0] = e.axisSummary.secondGapped[0] = 4;
  EXPECT_EQ(ScoreByRules(e, 5).score, 29505);
  Start(e, 0);
  e.axisSummary.bestGapped[0] = e.axisSummary.secondGapped[0] = 4;
  EXPECT_EQ(ScoreWithDraws(e, 5, 0, 0), 5);

  // Rule 7 / 10: stones on both sides reaching three cells with one gap.
  Start(e, 1);
  tables.spanLen[TableIndex(0, 2)] = tables.spanLen[TableIndex(0, 6)] = 3;
  tables.runLen[TableIndex(0, 2)] = tables.runLen[TableIndex(0, 6)] = 1;
  EXPECT_EQ(ScoreByRules(e, 0).score, 26500);
}

TEST(ScoreByRules, FivesOverrideEverythingAndStillDraw) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& e = *state;
  for (int r = 0; r < 5; r++)
    for (int s = 0; s < 4; s++) {
      Start(e, 0);
      OpenRun(1, 4);
      uint32_t seed = SeedGiving({5, 4}, {r, s});
      e.randomSeed = seed;
      EXPECT_EQ(ScoreByRules(e, 2000).score, 32766);
      uint32_t twoStepsLater = (seed * 134775813u + 1u) * 134775813u + 1u;
      EXPECT_EQ(e.randomSeed, twoStepsLater);  // both damping draws were made
      OpenRun(0, 4);
      EXPECT_EQ(ScoreWithDraws(e, 2000, r, s), 32767);  // making five beats blocking one
    }
  Start(e, 1);
  tables.runLen[TableIndex(0, 1)] = 2;
  tables.runLen[TableIndex(0, 5)] = 2;
  EXPECT_EQ(ScoreByRules(e, -100).score, 32767);
}

namespace {

// Where a rule reads a value: the axis summary, or the cell tables toward the
// direction under test (side a) or toward its opposite (side b).
enum class Source { kSummary, kSideA, kSideB };

// One value a rule reads, set to the least that meets the rule's condition, of the
// player the rule is about (self) or of the other player. shortGives: the rule that
// decides when this value alone is one short, with self the mover and with self the
// opponent (0: none).
struct Setting {
  const char* name;
  Source source;
  uint8_t (AxisSummary::*summary)[kPlayers];
  uint8_t (CellTables::*table)[kTableEntries];
  bool other;
  uint8_t least;
  int shortGives[kPlayers];
};

// A rule of several conditions, the rule it gives with self the mover and with self
// the opponent, and whether level 0 leaves it out.
struct CombinedRule {
  const char* name;
  std::vector<Setting> settings;
  int gives[kPlayers];
  bool levelOneOnly;
};

#define SUMMARY(field, least)                                                      \
  Setting {                                                                        \
#field, Source::kSummary, &AxisSummary::field, nullptr, false, least, { 0, 0 } \
  }
#define OTHERS_SUMMARY(field, least)                                                         \
  Setting {                                                                                  \
    "other's " #field, Source::kSummary, &AxisSummary::field, nullptr, true, least, { 0, 0 } \
  }
#define SIDE_A(field, least)                                                                 \
  Setting {                                                                                  \
#field " of side a", Source::kSideA, nullptr, &CellTables::field, false, least, { 0, 0 } \
  }
#define SIDE_B(field, least)                                                                 \
  Setting {                                                                                  \
#field " of side b", Source::kSideB, nullptr, &CellTables::field, false, least, { 0, 0 } \
  }

// Each rule's conditions at their least values; any one of them a step short leaves
// the rule out. A run total of three is two stones on side a and one on side b, so
// that either side one short falls short.
const CombinedRule kCombinedRules[] = {
    {"a four beside the opponent's four (rule 1)",
     {SUMMARY(bestRun, 3), OTHERS_SUMMARY(bestRun, 3), SUMMARY(bestOpenEnds, 1)},
     {1, 0},
     true},
    {"two fours, each with a free end (rule 2)",
     {SUMMARY(bestRun, 3), OTHERS_SUMMARY(bestRun, 3),
      Setting{"bestOpenEnds", Source::kSummary, &AxisSummary::bestOpenEnds, nullptr, false, 1, {0, 1}},
      Setting{"other's bestOpenEnds", Source::kSummary, &AxisSummary::bestOpenEnds, nullptr, true, 1, {1, 0}}},
     {2, 2},
     true},
    {"two open threes (rules 4 and 3)",
     {SUMMARY(bestRun, 2), SUMMARY(secondRun, 2), SUMMARY(bestOpenEnds, 2), SUMMARY(secondOpenEnds, 2),
      SUMMARY(bestFree, 3), SUMMARY(secondFree, 3)},
     {4, 3},
     false},
    {"a four and an open three (rules 8 and 5)",
     {SUMMARY(bestRun, 3), SUMMARY(secondRun, 2), SUMMARY(bestOpenEnds, 1), SUMMARY(secondOpenEnds, 2),
      SUMMARY(secondFree, 3)},
     {8, 5},
     false},
    {"an open four (rules 9 and 6)",
     {SIDE_A(runLen, 2), SIDE_B(runLen, 1), SIDE_A(runFree, 1), SIDE_B(runFree, 1)},
     {9, 6},
     false},
    {"three cells with a gap on both sides (rules 10 and 7)",
     {SIDE_A(spanLen, 3), SIDE_B(spanLen, 3), SIDE_A(runLen, 1), SIDE_B(runLen, 1)},
     {10, 7},
     true},
    {"two gapped fours (rules 13 and 11)", {SUMMARY(bestGapped, 4), SUMMARY(secondGapped, 4)}, {13, 11}, true},
    {"two fours (rules 14 and 12)",
     {SUMMARY(bestRun, 3), SUMMARY(secondRun, 3), SUMMARY(bestOpenEnds, 1), SUMMARY(secondOpenEnds, 1)},
     {14, 12},
     false},
    {"five (rules 16 and 15)", {SIDE_A(runLen, 2), SIDE_B(runLen, 2)}, {16, 15}, false},
};

#undef SUMMARY
#undef OTHERS_SUMMARY
#undef SIDE_A
#undef SIDE_B

void Write(EngineState& e, const Setting& setting, int self, int direction, uint8_t value) {
  int player = setting.other ? 1 - self : self;
  if (setting.source == Source::kSummary) {
    (e.axisSummary.*setting.summary)[player] = value;
  } else {
    int side = setting.source == Source::kSideA ? direction : opposite[direction];
    (tables.*setting.table)[TableIndex(player, side)] = value;
  }
}

}  // namespace

// Every rule at both levels, for either player as self, on every axis from both of
// its ends; a rule of level 1 only gives nothing at level 0.
TEST(DecidingRule, EveryConditionOfACombinedRuleCounts) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& e = *state;
  for (const CombinedRule& rule : kCombinedRules) {
    bool readsTables = std::any_of(rule.settings.begin(), rule.settings.end(),
                                   [](const Setting& s) { return s.source != Source::kSummary; });
    for (int level = 0; level <= 1; level++)
      for (int self = 0; self < kPlayers; self++)
        for (int direction = 0; direction < (readsTables ? kDirections : 1); direction++) {
          auto setUp = [&](const Setting* weak) {
            Start(e, level);
            for (const Setting& s : rule.settings) Write(e, s, self, direction, s.least);
            if (weak != nullptr) Write(e, *weak, self, direction, uint8_t(weak->least - 1));
          };
          std::string where = std::string(rule.name) + ", level " + std::to_string(level) + ", self player " +
                              std::to_string(self) + ", side a toward " + std::to_string(direction);
          int gives = rule.levelOneOnly && level == 0 ? 0 : rule.gives[self];
          setUp(nullptr);
          EXPECT_EQ(DecidingRule(e), gives) << where;
          if (gives == 0) continue;
          for (const Setting& weak : rule.settings) {
            setUp(&weak);
            EXPECT_EQ(DecidingRule(e), weak.shortGives[self]) << weak.name << " one short: " << where;
          }
        }
  }
}

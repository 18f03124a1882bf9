// The rule table of levels 0 and 1 and the random damping of level 0.
#include "engine/choice/rule_scorer.h"

#include "engine/board/random.h"
#include "engine/choice/engine_state.h"

namespace tulvo::engine {

static int RunTotal(const CellTables& t, int p, int d) {
  return t.runLen[TableIndex(p, d)] + t.runLen[TableIndex(p, opposite[d])];
}

// Rules 3 and 4: two axes of three or more, open at both ends with room to grow.
static bool DoubleOpenThree(const AxisSummary& s, int p) {
  return s.bestRun[p] >= 2 && s.secondRun[p] >= 2 && s.bestOpenEnds[p] >= 2 && s.secondOpenEnds[p] >= 2 &&
         s.bestFree[p] >= 3 && s.secondFree[p] >= 3;
}

// Rules 5 and 8: a four with a free end together with an open three.
static bool FourAndThree(const AxisSummary& s, int p) {
  return s.bestRun[p] >= 3 && s.secondRun[p] >= 2 && s.bestOpenEnds[p] >= 1 && s.secondOpenEnds[p] >= 2 &&
         s.secondFree[p] >= 3;
}

// Rules 6 and 9: x x x [] -  with a free cell beyond each end (an open four).
static bool OpenFour(const CellTables& t, int p) {
  for (int d = 0; d < kAxes; d++) {
    if (RunTotal(t, p, d) >= 3 && t.runFree[TableIndex(p, d)] >= 1 && t.runFree[TableIndex(p, opposite[d])] >= 1)
      return true;
  }
  return false;
}

// Rules 7 and 10: stones on both sides, each side reaching three cells with one gap.
static bool GappedBothSides(const CellTables& t, int p) {
  for (int d = 0; d < kAxes; d++) {
    int a = TableIndex(p, d), b = TableIndex(p, opposite[d]);
    if (t.spanLen[a] >= 3 && t.spanLen[b] >= 3 && t.runLen[a] >= 1 && t.runLen[b] >= 1) return true;
  }
  return false;
}

// Rules 12 and 14: two fours, each with a free end.
static bool DoubleFour(const AxisSummary& s, int p) {
  return s.bestRun[p] >= 3 && s.secondRun[p] >= 3 && s.bestOpenEnds[p] >= 1 && s.secondOpenEnds[p] >= 1;
}

// Rules 11 and 13: two axes with a gapped total of four or more.
static bool DoubleGappedFour(const AxisSummary& s, int p) { return s.bestGapped[p] >= 4 && s.secondGapped[p] >= 4; }

static bool CanMakeFive(const CellTables& t, int p) {
  for (int d = 0; d < kAxes; d++)
    if (RunTotal(t, p, d) >= 4) return true;
  return false;
}

// The last of rules 1 to 14 that matches, 0 when none does.
static int MatchedRule(const EngineState& state) {
  const AxisSummary& s = state.axisSummary;
  const CellTables& t = *state.currentTables;
  const bool full = state.aiLevel == 1;
  const int own = state.ownIndex, opp = state.oppIndex;
  int rule = 0;
  if (full && s.bestRun[opp] >= 3 && s.bestRun[own] >= 3 && s.bestOpenEnds[own] >= 1) rule = 1;
  if (full && s.bestRun[opp] >= 3 && s.bestRun[own] >= 3 && s.bestOpenEnds[opp] >= 1 && s.bestOpenEnds[own] >= 1)
    rule = 2;
  if (DoubleOpenThree(s, opp)) rule = 3;
  if (DoubleOpenThree(s, own)) rule = 4;
  if (FourAndThree(s, opp)) rule = 5;
  if (OpenFour(t, opp)) rule = 6;
  if (full && GappedBothSides(t, opp)) rule = 7;
  if (FourAndThree(s, own)) rule = 8;
  if (OpenFour(t, own)) rule = 9;
  if (full && GappedBothSides(t, own)) rule = 10;
  if (full && DoubleGappedFour(s, opp)) rule = 11;
  if (DoubleFour(s, opp)) rule = 12;
  if (full && DoubleGappedFour(s, own)) rule = 13;
  if (DoubleFour(s, own)) rule = 14;
  return rule;
}

int DecidingRule(const EngineState& s) {
  if (CanMakeFive(*s.currentTables, s.ownIndex)) return kRuleMakeFive;
  if (CanMakeFive(*s.currentTables, s.oppIndex)) return kRuleBlockFive;
  return MatchedRule(s);
}

static int32_t DampRuleValue(int32_t score, int r) {
  switch (r) {
    case 1: return score / 20;
    case 2: return score / 400;
    case 3: return score / 8000;
    case 4: return (score == 22000 || score == 26000) ? score / 1000 : 0;
    default: return score;
  }
}

static int32_t DampBase(int32_t base, int s) {
  switch (s) {
    case 1: base /= 3; break;
    case 2: base *= 3; break;
    case 3: base = 0; break;
    default: break;
  }
  if (base > 2700) base = 2700;
  if (base < 0) base = 0;
  return base;
}

TieredScore ScoreByRules(EngineState& s, int32_t base) {
  const int rule = DecidingRule(s);
  int32_t score = kRuleValues[rule];
  if (s.aiLevel == 0) {
    score = DampRuleValue(score, Random(s, 5));
    base = DampBase(base, Random(s, 4));
  }
  // A five overrides the damping and the base; the draws are made all the same.
  return {rule >= kRuleBlockFive ? kRuleValues[rule] : score + base, rule};
}

}  // namespace tulvo::engine

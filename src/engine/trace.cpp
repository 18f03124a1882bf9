// The search's recorded trace, and the names of its tiers.
#include "engine/trace.h"

#include <cstddef>

#include "engine/choice/rule_scorer.h"
#include "engine/choice/threat_priority.h"

namespace tulvo {

// The tiers are the scorers' own rules and rows.
using namespace engine;

namespace {

const char* const kRuleTexts[kRules] = {
    "no rule",
    "rule 1: own four, opponent's four too",
    "rule 2: both fours with free ends",
    "rule 3: blocks two open threes",
    "rule 4: own two open threes",
    "rule 5: blocks four and three",
    "rule 6: blocks open four",
    "rule 7: blocks split line",
    "rule 8: own four and three",
    "rule 9: own open four",
    "rule 10: own split line",
    "rule 11: blocks two gapped fours",
    "rule 12: blocks two fours",
    "rule 13: own two gapped fours",
    "rule 14: own two fours",
    "rule 15: blocks five",
    "rule 16: makes five",
};

// Indexed by threat row 1 to 9.
const char* const kRowTexts[kRowNoThreat + 1] = {
    "",
    "blocks five",
    "makes five",
    "own open four or two fours",
    "own four and three",
    "blocks open four or two fours",
    "blocks four and three",
    "own two threes",
    "blocks two threes",
    "no threat",
};

}  // namespace

std::vector<TracedCell> engine::TraceOfSearch(const EngineState& s) {
  std::vector<TracedCell> trace;
  trace.reserve(size_t(s.evaluatedCount));
  for (int i = 0; i < s.evaluatedCount; i++) {
    const EvaluatedCell& cell = s.evaluatedCells[i];
    trace.push_back({cell.x, cell.y, cell.baseScore, cell.cellScore, cell.tier});
  }
  return trace;
}

const char* TierText(int level, int tier) {
  if (level <= 1) return tier >= 0 && tier < kRules ? kRuleTexts[tier] : "";
  return tier >= 1 && tier <= kRowNoThreat ? kRowTexts[tier] : "";
}

}  // namespace tulvo

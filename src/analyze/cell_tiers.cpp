// Rule and threat-row texts, looked up by the same decision functions the scorers use.
#include "analyze/cell_tiers.h"

#include "analysis/axis_summary.h"
#include "analysis/cell_tables.h"
#include "analysis/threat_classes.h"
#include "choice/move_search.h"
#include "choice/rule_scorer.h"
#include "choice/threat_priority.h"
#include "driver/level.h"

static const char* const kRuleTexts[kRules] = {
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
static const char* const kRowTexts[kRowNoThreat + 1] = {
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

std::string DescribeTier(int x, int y) {
  SelectCell(x, y);
  if (aiLevel <= 1) {
    SummarizeAxes();
    if (aiLevel == 1) SummarizeGapped();
    return kRuleTexts[DecidingRule()];
  }
  ClassifyThreats();
  return kRowTexts[DecidingThreatRow(threatCounts, ownIndex, oppIndex)];
}

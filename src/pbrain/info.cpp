// INFO handling. The engine needs no time management: a move takes microseconds.
#include "pbrain/info.h"

#include "pbrain/answers.h"
#include "pbrain/command.h"
#include "pbrain/session.h"

namespace tulvo::pbrain {

// Rule bits: 1 exactly five, 2 continuous game, 4 renju, 8 caro; 0 is free style.
constexpr int kRuleFreeStyle = 0;
constexpr int kRuleExactlyFive = 1;

static std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

// Any rule but free style gets one MESSAGE: tulvo plays free style under every
// rule. Under exactly five, that means a line of six it makes may be its
// "winning" move, which wins nothing there.
static void AnnounceRule(Session& session, const std::string& value, FILE* out) {
  int rule = 0;
  if (!ParseNumbers(value, 1, &rule) || rule == kRuleFreeStyle) return;
  if (rule == session.announcedRule) return;
  session.announcedRule = rule;
  if (rule == kRuleExactlyFive) {
    AnswerMessage(out,
                  "rule 1 is not applied: tulvo plays free style, so its winning move may be a line of six or more, "
                  "which does not win under exactly five");
    return;
  }
  AnswerMessage(out,
                "rule " + std::to_string(rule) + " is not applied: tulvo plays free style, without its restrictions");
}

void HandleInfo(Session& session, const std::string& argument, FILE* out) {
  Command pair = SplitWord(argument);
  std::string key = LowerCase(pair.word);
  if (key == "rule") AnnounceRule(session, pair.argument, out);
}

}  // namespace tulvo::pbrain

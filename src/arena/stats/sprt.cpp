// The sequential probability ratio test that stops a match once it is clear
// whether one engine is stronger than the other by elo0 or by elo1 points.
#include "arena/stats/sprt.h"

#include <cmath>
#include <sstream>
#include <vector>

#include "arena/stats/trinomial.h"
#include "common/parse_number.h"

namespace tulvo::arena {

double SprtTest::LowerBound() const { return std::log(beta / (1 - alpha)); }
double SprtTest::UpperBound() const { return std::log((1 - beta) / alpha); }

std::optional<SprtTest> ParseSprt(const std::string& text, std::string& error) {
  std::vector<double> values;
  std::istringstream fields(text);
  bool numbers = true;
  for (std::string field; numbers && std::getline(fields, field, ',');) {
    const std::optional<double> value = text::ParseDecimal(field);
    numbers = value.has_value();
    values.push_back(value.value_or(0));
  }
  if (!numbers) values.clear();
  if (values.size() == 2) values.insert(values.end(), {0.05, 0.05});
  bool usable = values.size() == 4 && values[0] < values[1] && values[2] > 0 && values[2] < 0.5 && values[3] > 0 &&
                values[3] < 0.5;
  if (!usable) {
    error =
        "--sprt needs elo0,elo1[,alpha,beta] with elo0 < elo1 and alpha, beta between 0 and 0.5, not '" + text + "'";
    return std::nullopt;
  }
  return SprtTest{values[0], values[1], values[2], values[3]};
}

double SprtLlr(const SprtTest& test, const ScoreSample& sample) {
  return LlrOf(sample, ScoreOfElo(test.elo0), ScoreOfElo(test.elo1));
}

double SprtLlr(const SprtTest& test, int wins, int draws, int losses) {
  return SprtLlr(test, TrinomialSample(wins, draws, losses, true));
}

SprtVerdict Verdict(const SprtTest& test, double llr) {
  if (llr >= test.UpperBound()) return SprtVerdict::kH1;
  if (llr <= test.LowerBound()) return SprtVerdict::kH0;
  return SprtVerdict::kOpen;
}

}  // namespace tulvo::arena

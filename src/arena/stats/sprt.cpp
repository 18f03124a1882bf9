// The sequential probability ratio test that stops a match once it is clear
// whether one engine is stronger than the other by elo0 or by elo1 points.
#include "arena/stats/sprt.h"

#include <cmath>
#include <sstream>
#include <vector>

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

// The expected score of a player this many Elo points stronger.
static double ScoreOfElo(double elo) { return 1 / (1 + std::pow(10.0, -elo / 400)); }

double SprtLlr(const SprtTest& test, int wins, int draws, int losses) {
  auto count = [](int n) { return n == 0 ? 0.5 : double(n); };
  double w = count(wins), d = count(draws), l = count(losses), n = w + d + l;
  double score = (w + 0.5 * d) / n;
  double variance = (w * (1 - score) * (1 - score) + d * (0.5 - score) * (0.5 - score) + l * score * score) / n;
  double s0 = ScoreOfElo(test.elo0), s1 = ScoreOfElo(test.elo1);
  return n * (s1 - s0) * (2 * score - s0 - s1) / (2 * variance);
}

SprtVerdict Verdict(const SprtTest& test, double llr) {
  if (llr >= test.UpperBound()) return SprtVerdict::kH1;
  if (llr <= test.LowerBound()) return SprtVerdict::kH0;
  return SprtVerdict::kOpen;
}

}  // namespace tulvo::arena

// The trinomial model: every game counts on its own, as a win, a draw or a loss.
#include "arena/stats/trinomial.h"

namespace tulvo::arena {

ScoreSample TrinomialSample(int wins, int draws, int losses, bool zeroAsHalf) {
  auto count = [zeroAsHalf](int n) { return n == 0 && zeroAsHalf ? 0.5 : double(n); };
  double w = count(wins), d = count(draws), l = count(losses), n = w + d + l;
  double score = (w + 0.5 * d) / n;
  double variance = (w * (1 - score) * (1 - score) + d * (0.5 - score) * (0.5 - score) + l * score * score) / n;
  return {n, score, variance};
}

}  // namespace tulvo::arena

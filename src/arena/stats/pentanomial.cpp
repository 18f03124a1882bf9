// The pentanomial model: the two games of a pair count together.
#include "arena/stats/pentanomial.h"

#include <algorithm>

namespace tulvo::arena {

int PairCounts::Pairs() const {
  int pairs = 0;
  for (int n : counts) pairs += n;
  return pairs;
}

void PairCounts::Add(const PairCounts& other) {
  for (size_t k = 0; k < counts.size(); k++) counts[k] += other.counts[k];
}

PairCounts PairCounts::Reversed() const {
  PairCounts reversed = *this;
  std::reverse(reversed.counts.begin(), reversed.counts.end());
  return reversed;
}

ScoreSample PentanomialSample(const PairCounts& pairs) {
  double n = 0, sum = 0;
  for (size_t k = 0; k < pairs.counts.size(); k++) {
    double count = pairs.counts[k] == 0 ? 0.5 : pairs.counts[k];
    n += count;
    sum += count * double(k) / 4;
  }
  double mean = sum / n, variance = 0;
  for (size_t k = 0; k < pairs.counts.size(); k++) {
    double count = pairs.counts[k] == 0 ? 0.5 : pairs.counts[k], deviation = double(k) / 4 - mean;
    variance += count * deviation * deviation;
  }
  return {n, mean, variance / n};
}

}  // namespace tulvo::arena

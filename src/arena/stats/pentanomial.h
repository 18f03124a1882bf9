// The pentanomial model: the two games of a pair, which play one opening with the
// colours swapped, count together, so that the first player's advantage cancels out.
#pragma once

#include <array>

#include "arena/stats/estimate.h"

namespace tulvo::arena {

// Pairs by the points the first engine took in them: counts[k] holds the pairs in
// which it scored k / 2 points, so LL, LD, DD or WL, WD and WW.
struct PairCounts {
  std::array<int, 5> counts{};

  int Pairs() const;
  void Add(const PairCounts& other);
  PairCounts Reversed() const;  // from the opponent's side
};

// Over pairs: the mean score per game and the variance of a pair's score (its
// points divided by 2). A count of 0 is taken as half a pair, in the mean, the
// variance and the number of pairs.
ScoreSample PentanomialSample(const PairCounts& pairs);

}  // namespace tulvo::arena

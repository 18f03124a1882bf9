// Wall time since a start, in whole milliseconds, for move times and deadlines.
#pragma once

#include <chrono>

namespace tulvo {

class Stopwatch {
 public:
  int Ms() const { return int(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count()); }
  // What is left of limitMs; zero or less once it has passed.
  int LeftOf(int limitMs) const { return limitMs - Ms(); }

 private:
  using Clock = std::chrono::steady_clock;
  Clock::time_point start_ = Clock::now();
};

}  // namespace tulvo

// Drawing by the high half of a 64-bit product.
#include "driver/random.h"

namespace tulvo::engine {

uint32_t randomSeed = 0;

uint32_t SeedOfTime(int hour, int minute, int second, int millisecond) {
  return ((uint32_t(hour) * 60u + uint32_t(minute)) * 60u + uint32_t(second)) * 1000u + uint32_t(millisecond);
}

int Random(int n) {
  randomSeed = randomSeed * 134775813u + 1u;
  return int((uint64_t(randomSeed) * uint32_t(n)) >> 32);
}

}  // namespace tulvo::engine

// Drawing by the high half of a 64-bit product.
#include "engine/board/random.h"

namespace tulvo::engine {

uint32_t randomSeed = 0;

int Random(int n) {
  randomSeed = randomSeed * 134775813u + 1u;
  return int((uint64_t(randomSeed) * uint32_t(n)) >> 32);
}

}  // namespace tulvo::engine

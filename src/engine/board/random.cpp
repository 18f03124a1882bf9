// Drawing by the high half of a 64-bit product.
#include "engine/board/random.h"

namespace tulvo::engine {

int Random(BoardState& s, int n) {
  s.randomSeed = s.randomSeed * 134775813u + 1u;
  return int((uint64_t(s.randomSeed) * uint32_t(n)) >> 32);
}

}  // namespace tulvo::engine

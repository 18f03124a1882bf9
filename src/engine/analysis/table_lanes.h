// A cell table read as vector lanes, for the code that reads all of its entries at once.
#pragma once

#include <cstdint>
#include <cstring>

#include "engine/board/core_types.h"

namespace tulvo::engine {

// Eight 16-bit lanes.
typedef int16_t WideLanes __attribute__((vector_size(16)));

// The 16 entries of one table widened to 16 bits: byPlayer[p] lane d is entry
// [p * 8 + d].
inline void WidenTable(const uint8_t* table, WideLanes (&byPlayer)[kPlayers]) {
  typedef uint8_t Row __attribute__((vector_size(16)));
  Row row;
  memcpy(&row, table, sizeof row);
  const Row zero = {};
  byPlayer[0] = (WideLanes)__builtin_shufflevector(row, zero, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
  byPlayer[1] =
      (WideLanes)__builtin_shufflevector(row, zero, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
}

}  // namespace tulvo::engine

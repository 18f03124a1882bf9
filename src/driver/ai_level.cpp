// The level setting and the characters that name a level.
#include "driver/ai_level.h"

#include <cstdint>

namespace tulvo::engine {

int aiLevel = kDefaultLevel;

int LevelOfCharacter(char c) {
  uint8_t value = uint8_t(uint8_t(c) - '0');
  return value < 7 ? value : -1;
}

}  // namespace tulvo::engine

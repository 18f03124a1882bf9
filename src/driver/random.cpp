// Seeding from the clock and drawing by the high half of a 64-bit product.
#include "driver/random.h"

#include "driver/platform.h"

uint32_t randomSeed = 0;

void SeedRandom() {
  UtcTimeOfDay now = PlatformUtcTime();
  randomSeed = ((uint32_t(now.hour) * 60u + uint32_t(now.minute)) * 60u + uint32_t(now.second)) * 1000u +
               uint32_t(now.millisecond);
}

int Random(int n) {
  randomSeed = randomSeed * 134775813u + 1u;
  return int((uint64_t(randomSeed) * uint32_t(n)) >> 32);
}

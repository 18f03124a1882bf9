// Seeding from the platform's clock.
#include "driver/clock_seed.h"

#include "driver/random.h"
#include "tulvo/platform.h"

void SeedRandom() {
  UtcTimeOfDay now = PlatformUtcTime();
  randomSeed = SeedOfTime(now.hour, now.minute, now.second, now.millisecond);
}

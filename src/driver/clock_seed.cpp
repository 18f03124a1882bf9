// Seeding from the platform's clock.
#include "driver/clock_seed.h"

#include "core/random.h"
#include "driver/platform.h"

void SeedRandom() {
  UtcTimeOfDay now = PlatformUtcTime();
  randomSeed = SeedOfTime(now.hour, now.minute, now.second, now.millisecond);
}

// Seeding from the platform's clock.
#include "driver/clock_seed.h"

#include "driver/random.h"
#include "tulvo/platform.h"

namespace tulvo::file_program {

void SeedRandom() {
  UtcTimeOfDay now = PlatformUtcTime();
  engine::randomSeed = engine::SeedOfTime(now.hour, now.minute, now.second, now.millisecond);
}

}  // namespace tulvo::file_program

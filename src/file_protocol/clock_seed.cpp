// The seed the clock gives a run: the UTC time of day in milliseconds.
#include <tulvo/file_protocol.h>

namespace tulvo {

uint32_t SeedOfTimeOfDay(int hour, int minute, int second, int millisecond) {
  return ((uint32_t(hour) * 60u + uint32_t(minute)) * 60u + uint32_t(second)) * 1000u + uint32_t(millisecond);
}

}  // namespace tulvo

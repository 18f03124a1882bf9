// Runs the engine once through its door, the way the file program chooses, and keeps
// what it saw.
#include "analyze/analysis.h"

#include <tulvo/file_protocol.h>
#include <tulvo/platform.h>

namespace tulvo::analyze {

uint32_t SeedOf(const AnalyzeOptions& options) {
  if (options.seedGiven) return options.seed;
  const UtcTimeOfDay now = PlatformUtcTime();
  return tulvo::SeedOfTimeOfDay(now.hour, now.minute, now.second, now.millisecond);
}

Analysis Analyze(tulvo::Request request) {
  request.trace = true;
  return {request.seed, request.level, request.position, tulvo::DecideMove(request)};
}

int StoneCount(const tulvo::Position& position) {
  int stones = 0;
  for (const auto& column : position.cells)
    for (uint8_t cell : column) stones += cell == tulvo::kStoneX || cell == tulvo::kStoneO;
  return stones;
}

}  // namespace tulvo::analyze

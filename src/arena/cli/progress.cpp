// The progress line.
#include "arena/cli/progress.h"

#include <cstdio>

namespace tulvo::arena {

static std::string TimeText(long long ms) {
  long long seconds = (ms + 999) / 1000;
  char text[48];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%lldh%02lldm", seconds / 3600, seconds / 60 % 60);
  } else if (seconds >= 60) {
    std::snprintf(text, sizeof text, "%lldm%02llds", seconds / 60, seconds % 60);
  } else {
    std::snprintf(text, sizeof text, "%llds", seconds);
  }
  return text;
}

std::string ProgressText(const Progress& progress) {
  const Tally& games = progress.tally.games;
  const auto& n = progress.tally.pairs.counts;
  char text[256];
  std::snprintf(text, sizeof text, "%d/%d games; last: %s +%d =%d -%d, pairs %d %d %d %d %d", progress.played,
                progress.total, progress.pairing.c_str(), games.wins, games.draws, games.losses, n[0], n[1], n[2], n[3],
                n[4]);
  std::string line = text;
  if (progress.llr && progress.test != nullptr) {
    std::snprintf(text, sizeof text, "; LLR %.2f [%.2f, %.2f]", *progress.llr, progress.test->LowerBound(),
                  progress.test->UpperBound());
    line += text;
  }
  if (progress.msLeft >= 0 && progress.played < progress.total)
    line += "; about " + TimeText(progress.msLeft) + " left";
  return line;
}

long long MsLeft(long long msPlayed, int gamesTimed, int gamesLeft, int jobs) {
  if (gamesTimed == 0) return -1;
  return msPlayed * gamesLeft / gamesTimed / (jobs > 0 ? jobs : 1);
}

}  // namespace tulvo::arena

// Which engines meet, in which colours and with which opening, game by game.
#include "arena/match/schedule.h"

namespace tulvo::arena {

std::vector<Pairing> RoundRobin(int engines) {
  std::vector<Pairing> pairings;
  for (int a = 0; a < engines; a++) {
    for (int b = a + 1; b < engines; b++) pairings.push_back({a, b});
  }
  return pairings;
}

std::vector<Pairing> Gauntlet(int engines) {
  std::vector<Pairing> pairings;
  for (int b = 1; b < engines; b++) pairings.push_back({0, b});
  return pairings;
}

std::vector<GameJob> ScheduleGames(int pairings, int games, int openings) {
  std::vector<GameJob> jobs;
  for (int g = 0; g < games; g++) {
    for (int p = 0; p < pairings; p++) jobs.push_back({int(jobs.size()), p, g % 2 == 0, g / 2 % openings});
  }
  return jobs;
}

}  // namespace tulvo::arena

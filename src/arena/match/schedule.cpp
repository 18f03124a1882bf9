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

GameJob ScheduledJob(int number, int pairings, int openings) {
  int g = number / pairings, p = number % pairings;
  return {number, p, g % 2 == 0, g / 2 % openings, g / 2 * pairings + p};
}

std::vector<GameJob> ScheduleGames(int pairings, int games, int openings) {
  std::vector<GameJob> jobs;
  for (int number = 0; number < games * pairings; number++) jobs.push_back(ScheduledJob(number, pairings, openings));
  return jobs;
}

}  // namespace tulvo::arena

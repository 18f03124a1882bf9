// Which engines meet, in which colours and with which opening, game by game.
#pragma once

#include <vector>

namespace tulvo::arena {

struct Pairing {
  int first;  // engine indices; the table shows results from first's side
  int second;
};

// Every engine against every later one.
std::vector<Pairing> RoundRobin(int engines);
// The first engine against each of the others.
std::vector<Pairing> Gauntlet(int engines);

struct GameJob {
  int number;   // 0-based position in the schedule, also names the record
  int pairing;  // index into the pairings
  bool firstIsX;
  int opening;  // index into the openings
  // The game pair it belongs to: the two games of a pairing that play one opening
  // with the colours swapped. Pairs are numbered from 0 in the order of the
  // schedule: pair (g / 2) * pairings + pairing holds game g of the pairing.
  int pair;
  bool operator==(const GameJob&) const = default;
};

// games per pairing; game g of a pairing plays opening g / 2 (wrapping around the
// openings), with the first engine as X when g is even, so each opening is played
// once in each colour. Game g of every pairing comes before game g + 1 of any.
std::vector<GameJob> ScheduleGames(int pairings, int games, int openings);
// The job numbered number (from 0) of that schedule.
GameJob ScheduledJob(int number, int pairings, int openings);

}  // namespace tulvo::arena

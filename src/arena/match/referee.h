// Plays one game between two engines and judges it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/match/arena_board.h"
#include "arena/match/engine.h"
#include "arena/match/time_control.h"

namespace tulvo::arena {

enum class Outcome { kXWins, kOWins, kDraw };

// Why a game ended: a five, a full board, the move limit, or the loser's fault.
enum class EndReason {
  kFive,
  kFullBoard,
  kMissing,
  kMalformed,
  kOffBoard,
  kOccupied,
  kCrash,
  kTimeout,
  kRefused,
  kMoveLimit,
  kTimeForfeit,
  kError
};
constexpr int kEndReasons = 12;

const char* EndReasonName(EndReason reason);

struct PlayedMove {
  Point point;
  int ms;
};

struct GameResult {
  Outcome outcome;
  EndReason reason;
  std::string detail;  // what the losing engine said or did, when it lost by fault
  int openingMoves;    // the first moves, placed by the referee
  std::vector<PlayedMove> moves;
  ArenaBoard board;
  int wallMs = 0;  // how long the game took, engines' starts included
};

// "x,y" in decimal (a minus sign allowed, so that -1,3 counts as off the board),
// blanks and line ends around it allowed; nullopt otherwise.
std::optional<Point> ParseMoveText(const std::string& text);

// Ten seconds to start: an engine may load large tables before it answers START,
// and the first program started under Wine also starts Wine's own server.
constexpr int kDefaultStartMs = 10000;

// What decides a game besides the engines' moves.
struct GameRules {
  Rule rule = Rule::kFreeStyle;
  int drawAfter = 0;              // the game is drawn once it holds this many moves; 0: never
  GameClock clock;                // without a match time, only the per-move limit holds
  int startMs = kDefaultStartMs;  // START, or a file engine's first run, beyond the move limit
  int marginMs = -1;              // past the per-move limit before a move is late; -1: MarginMs's default
};

// How long past the per-move limit turnMs a move may take before it is late: the
// rules' margin, by default a tenth of the limit but at least 50 ms, so that the
// pipe and the switch between processes never make a move that keeps to the limit
// late.
int MarginMs(const GameRules& rules, int turnMs);

// Places the opening (cells inside the board, all different, none completing a
// five), then asks the engines in turn until a winning line, a full board, the
// move limit or a fault. A move may take the per-move limit (the clock's turn
// time, else timeLimitMs) and its margin, but no more than the mover's clock
// holds: an engine that runs past its clock loses on time, one that runs past the
// per-move limit and margin alone loses by timeout.
GameResult PlayGame(Engine& x, Engine& o, int side, const std::vector<Point>& opening, int timeLimitMs,
                    const GameRules& rules = {});

}  // namespace tulvo::arena

// Plays one game between two engines and judges it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/arena_board.h"
#include "arena/engine.h"
#include "arena/time_control.h"

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
  kTimeForfeit
};
constexpr int kEndReasons = 11;

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
};

// "x,y" in decimal (a minus sign allowed, so that -1,3 counts as off the board),
// blanks and line ends around it allowed; nullopt otherwise.
std::optional<Point> ParseMoveText(const std::string& text);

// What decides a game besides the engines' moves.
struct GameRules {
  Rule rule = Rule::kFreeStyle;
  int drawAfter = 0;  // the game is drawn once it holds this many moves; 0: never
  GameClock clock;    // without a match time, only the per-move limit holds
};

// Places the opening (cells inside the board, all different, none completing a
// five), then asks the engines in turn until a winning line, a full board, the
// move limit or a fault. A move may take the per-move limit (the clock's turn
// time, else timeLimitMs) but no more than the mover's clock holds: an engine that
// runs past its clock loses on time, one that runs past the per-move limit alone
// loses by timeout.
GameResult PlayGame(Engine& x, Engine& o, int side, const std::vector<Point>& opening, int timeLimitMs,
                    const GameRules& rules = {});

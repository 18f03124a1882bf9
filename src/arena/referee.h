// Plays one game between two engines and judges it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/arena_board.h"
#include "arena/engine.h"

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
  kMoveLimit
};
constexpr int kEndReasons = 10;

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
};

// Places the opening (cells inside the board, all different, none completing a
// five), then asks the engines in turn until a winning line, a full board, the
// move limit or a fault.
GameResult PlayGame(Engine& x, Engine& o, int side, const std::vector<Point>& opening, int timeLimitMs,
                    const GameRules& rules = {});

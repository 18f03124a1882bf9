// Plays one game between two engines under free-style rules and judges it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/arena_board.h"
#include "arena/engine.h"

namespace tulvo::arena {

enum class Outcome { kXWins, kOWins, kDraw };

// Why a game ended: a five, a full board, or the loser's fault.
enum class EndReason { kFive, kFullBoard, kMissing, kMalformed, kOffBoard, kOccupied, kCrash, kTimeout, kRefused };
constexpr int kEndReasons = 9;

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

// Places the opening (cells inside the board, all different, none completing a
// five), then asks the engines in turn until a five, a full board or a fault.
GameResult PlayGame(Engine& x, Engine& o, int side, const std::vector<Point>& opening, int timeLimitMs);

}  // namespace tulvo::arena

// What the referee needs from an engine, whichever protocol it speaks.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "arena/arena_board.h"

// How an engine's attempt to answer ended. Only kAnswered carries a move text;
// kNotStarted means its program could not be started at all.
enum class ReplyStatus { kAnswered, kMissing, kCrashed, kTimedOut, kRefused, kNotStarted };

struct EngineReply {
  ReplyStatus status;
  std::string text;  // the move as the engine wrote it, or what went wrong
  int ms;            // wall time the engine took
};

// What an engine is told about a game before it starts; pipe engines receive it
// as INFO lines.
struct GameTerms {
  int turnMs;   // the limit for one move
  int matchMs;  // each engine's clock for the game; 0: none
  Rule rule;
};

// One engine for one game. Start is called once before the first move request.
class Engine {
 public:
  virtual ~Engine() = default;
  // Called before Start.
  virtual void SetTerms(const GameTerms&) {}
  // Under a game clock, called before each move request with the time left.
  virtual void SetTimeLeft(int) {}
  virtual EngineReply Start(int side, int timeLimitMs) = 0;
  // Asks for a move on board, where lastMove (if any) is the opponent's last move.
  virtual EngineReply Move(const ArenaBoard& board, std::optional<Point> lastMove, int timeLimitMs) = 0;
};

enum class Protocol { kFile, kPipe };

// An engine as given on the command line: "file:CMD ARGS" or "pipe:CMD ARGS".
struct EngineCommand {
  Protocol protocol;
  std::vector<std::string> command;  // program, then its arguments
  std::string label;                 // short name for tables and records
};

// What the referee needs from an engine, whichever protocol it speaks.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "arena/match/arena_board.h"

namespace tulvo::arena {

// How an engine's attempt to answer ended. Only kAnswered carries a move text;
// kError is a pipe engine's ERROR reply to a move request, with its text;
// kNotStarted means its program could not be started at all.
enum class ReplyStatus { kAnswered, kMissing, kCrashed, kTimedOut, kRefused, kNotStarted, kError };

struct EngineReply {
  ReplyStatus status;
  std::string text;   // the move as the engine wrote it, or what went wrong
  int ms;             // wall time the engine took
  int startupMs = 0;  // the part of ms that was the start-up allowance, not the move
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
  // Starts the engine for a board of side; startMs is its start-up allowance.
  virtual EngineReply Start(int side, int startMs) = 0;
  // Asks for a move on board, whose stones were played in the order of played
  // (the opening's first); its last one, if any, is the opponent's latest move.
  virtual EngineReply Move(const ArenaBoard& board, const std::vector<Point>& played, int timeLimitMs) = 0;
};

enum class Protocol { kFile, kPipe };

// A pipe engine's setting: sent as INFO KEY VALUE after START.
struct EngineInfo {
  std::string key;
  std::string value;
  bool operator==(const EngineInfo&) const = default;
};

// An engine as given on the command line: "file:CMD ARGS" or "pipe:CMD ARGS".
struct EngineCommand {
  Protocol protocol;
  std::vector<std::string> command;    // program, then its arguments
  std::string label;                   // short name for tables and records
  std::vector<EngineInfo> infos = {};  // pipe engines only, in the order given
};

}  // namespace tulvo::arena

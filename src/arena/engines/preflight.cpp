// Checks before the first game that every engine can play at all.
#include "arena/engines/preflight.h"

namespace tulvo::arena {

// Why the engine cannot play, or "".
static std::string Problem(const EngineCommand& command, int side, const GameTerms& terms, int startMs,
                           const EngineFactory& factory) {
  auto engine = factory(command);
  engine->SetTerms(terms);
  EngineReply reply = engine->Start(side, startMs);
  if (reply.status == ReplyStatus::kAnswered && command.protocol == Protocol::kFile) {
    reply = engine->Move(ArenaBoard(side), {}, terms.turnMs);
    if (reply.status != ReplyStatus::kNotStarted) return "";
  }
  switch (reply.status) {
    case ReplyStatus::kAnswered: return "";
    case ReplyStatus::kRefused: return "it answered START with '" + reply.text + "'";
    case ReplyStatus::kCrashed: return "it ended before answering START: " + reply.text;
    case ReplyStatus::kTimedOut: return reply.text + " (the start-up allowance, --start-time)";
    default: return reply.text;
  }
}

std::string CheckEngines(const std::vector<EngineCommand>& engines, int side, const GameTerms& terms, int startMs,
                         const EngineFactory& factory) {
  for (const EngineCommand& command : engines) {
    std::string problem = Problem(command, side, terms, startMs, factory);
    if (!problem.empty()) return "engine '" + command.label + "' cannot play: " + problem;
  }
  return "";
}

}  // namespace tulvo::arena

// Checks before the first game that every engine can play at all.
#include "arena/preflight.h"

// Why the engine cannot play, or "".
static std::string Problem(const EngineCommand& command, int side, int timeLimitMs, const EngineFactory& factory) {
  auto engine = factory(command);
  EngineReply reply = engine->Start(side, timeLimitMs);
  if (reply.status == ReplyStatus::kAnswered && command.protocol == Protocol::kFile) {
    reply = engine->Move(ArenaBoard(side), std::nullopt, timeLimitMs);
    if (reply.status != ReplyStatus::kNotStarted) return "";
  }
  switch (reply.status) {
    case ReplyStatus::kAnswered: return "";
    case ReplyStatus::kRefused: return "it answered START with '" + reply.text + "'";
    case ReplyStatus::kCrashed: return "it ended before answering START: " + reply.text;
    default: return reply.text;
  }
}

std::string CheckEngines(const std::vector<EngineCommand>& engines, int side, int timeLimitMs,
                         const EngineFactory& factory) {
  for (const EngineCommand& command : engines) {
    std::string problem = Problem(command, side, timeLimitMs, factory);
    if (!problem.empty()) return "engine '" + command.label + "' cannot play: " + problem;
  }
  return "";
}

// Picks the protocol engine for a command.
#include "arena/engines/engine_process.h"
#include "arena/engines/protocol_engines.h"

namespace tulvo::arena {

std::unique_ptr<Engine> LaunchEngine(const EngineCommand& command) {
  if (command.protocol == Protocol::kFile) return NewFileEngine(command);
  return NewPipeEngine(command);
}

}  // namespace tulvo::arena

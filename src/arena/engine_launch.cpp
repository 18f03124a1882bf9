// Picks the protocol engine for a command.
#include "arena/engine_process.h"
#include "arena/protocol_engines.h"

std::unique_ptr<Engine> LaunchEngine(const EngineCommand& command) {
  if (command.protocol == Protocol::kFile) return NewFileEngine(command);
  return NewPipeEngine(command);
}

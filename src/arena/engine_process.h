// Engines as operating-system processes: the arena's only contact with the OS.
#pragma once

#include <memory>

#include "arena/engine.h"

namespace tulvo::arena {

// Makes writes to an engine that has died fail instead of ending the arena.
void PrepareEngineProcesses();
// A new engine process manager for one game, speaking its protocol.
std::unique_ptr<Engine> LaunchEngine(const EngineCommand& command);
// True when standard error is a terminal, where a progress line makes sense.
bool StandardErrorIsTerminal();

}  // namespace tulvo::arena

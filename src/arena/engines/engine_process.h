// Engines as operating-system processes: the arena's only contact with the OS.
#pragma once

#include <memory>

#include "arena/match/engine.h"

namespace tulvo::arena {

// A new engine process manager for one game, speaking its protocol.
std::unique_ptr<Engine> LaunchEngine(const EngineCommand& command);

}  // namespace tulvo::arena

// The two protocols an engine can speak, on top of the platform's process channel.
#pragma once

#include <memory>

#include "arena/match/engine.h"

namespace tulvo::arena {

// Runs the command once per move in a scratch folder of its own.
std::unique_ptr<Engine> NewFileEngine(const EngineCommand& command);
// Keeps the command running for the whole game and talks to it line by line.
std::unique_ptr<Engine> NewPipeEngine(const EngineCommand& command);

}  // namespace tulvo::arena

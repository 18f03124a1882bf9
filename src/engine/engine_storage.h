// The engine's state inside a caller's EngineStorage.
#pragma once

#include <tulvo/engine.h>

#include <new>

#include "engine/choice/engine_state.h"

namespace tulvo::engine {

static_assert(sizeof(EngineState) <= sizeof(EngineStorage::bytes), "the engine's state outgrew EngineStorage");
static_assert(alignof(EngineState) <= alignof(EngineStorage), "EngineStorage is not aligned for the state");

// Begins a state's life in the storage for a decision. The state is a plain record
// whose every field a decision writes before it reads it, so nothing is cleared here.
inline EngineState& BeginState(EngineStorage& storage) { return *new (storage.bytes) EngineState; }

}  // namespace tulvo::engine

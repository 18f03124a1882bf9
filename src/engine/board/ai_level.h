// The AI level (kMinLevel..kMaxLevel) of the move being chosen.
#pragma once

#include "engine/board/core_types.h"

namespace tulvo::engine {

extern int aiLevel;

}  // namespace tulvo::engine

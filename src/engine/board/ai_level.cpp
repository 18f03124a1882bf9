// The level setting.
#include "engine/board/ai_level.h"

namespace tulvo::engine {

int aiLevel = kDefaultLevel;

}  // namespace tulvo::engine

// The AI level (0..6) of the move being chosen.
#pragma once

namespace tulvo::engine {

extern int aiLevel;

constexpr int kDefaultLevel = 6;

// The level a character names, or -1 when it names none ('0'..'6' only).
int LevelOfCharacter(char c);

}  // namespace tulvo::engine

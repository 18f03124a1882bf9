// The AI level (0..6) of the move being chosen, and the rules that read a level from
// a command-line argument or a program's name.
#pragma once

namespace tulvo::engine {

extern int aiLevel;

constexpr int kDefaultLevel = 6;

// The level a character names, or -1 when it names none ('0'..'6' only).
int LevelOfCharacter(char c);
// The level the argument's second character names ("/3" -> 3; "5" has none), or -1.
int LevelOfArgument(const char* argument);
// The file program's name rule: the character before the last four of the path cut to
// 255 characters ("tulvo3.exe" -> 3); the default level when it names none.
int LevelOfFileProgramPath(const char* path);
// The pipe program's name rule: the character before a ".exe" ending in any letter
// case, else the last one ("pbrain-tulvo3" -> 3); the default level when it names none.
int LevelOfPipeProgramPath(const char* path);

}  // namespace tulvo::engine

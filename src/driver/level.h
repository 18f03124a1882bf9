// The AI level (0..6), chosen from the first argument or the executable's name.
#pragma once

extern int aiLevel;
extern const char usageBanner[];

constexpr int kDefaultLevel = 6;

// The level a character names, or -1 when it names none ('0'..'6' only).
int LevelOfCharacter(char c);
void SelectLevel();

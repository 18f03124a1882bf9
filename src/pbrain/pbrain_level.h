// The AI level of the pipe program: "/n" as the first argument, else the digit ending
// the program's name before any ".exe" ("pbrain-tulvo3", "pbrain-tulvo3.exe"), else 6.
#pragma once

namespace tulvo::pbrain {

extern const char pbrainUsageBanner[];

// The level 0..6 from the platform's arguments and executable path, or -1 when the
// first argument names none.
int SelectPbrainLevel();

}  // namespace tulvo::pbrain

// The file program's level selection: the first argument or the executable's name.
#pragma once

#include "driver/ai_level.h"

namespace tulvo::file_program {

extern const char usageBanner[];

// Sets aiLevel from "/n" as the first argument, else by the file program's name rule
// (LevelOfFileProgramPath); a first argument that names no level ends the run with
// the usage banner.
void SelectLevel();

}  // namespace tulvo::file_program

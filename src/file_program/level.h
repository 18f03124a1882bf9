// The file program's level selection: the first argument or the executable's name.
#pragma once

namespace tulvo::file_program {

extern const char usageBanner[];

// The level "/n" as the first argument names, else the one the file program's name
// rule reads (LevelOfFileProgramPath); a first argument that names no level ends the
// run with the usage banner.
int SelectLevel();

}  // namespace tulvo::file_program

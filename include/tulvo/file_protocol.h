// The conventions of the protocol files and of the programs' command lines: reading
// plocha.dat's text and its faults, the side in tah.dat, the move text written back,
// the level a program's argument or name selects, and the seed the clock gives.
#pragma once

#include <tulvo/engine.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tulvo {

constexpr int kMaxBoardFileSize = 447;  // bytes; a larger (or empty) plocha.dat is refused

// A board read from plocha.dat text by the file program's own reader: the position,
// or the fault with the reader's exact message (e.g. "Nelze nahrat plocha.dat!")
// and a plain-English explanation for tools.
struct BoardRead {
  bool ok = false;
  Position position;
  uint8_t sideWhileRead[kMaxBoardSize] = {};  // per line, the width it was read under
  std::string message;                        // empty when ok
  std::string explanation;                    // empty when ok
};
// The text's size is checked as the file program checks the file's size (1..447
// bytes), then its lines are read. Stones lying beyond the last line's width stay in
// the cells, and sideWhileRead keeps the width each line was read under: the file
// program counts and marks them that way.
BoardRead ReadBoardText(std::string_view text, int sideToMove);
// The request for a board read here, as the file program decides it: its position and
// the widths its lines were read under, with the given level and seed.
Request RequestOfBoard(const BoardRead& read, int level, uint32_t seed);
// The faults of the files themselves, for front ends that read them: the board file
// cannot be opened or sized, or a later read (tah.dat included) fails.
BoardRead BoardFileUnreadable();
BoardRead FilesUnreadable();
// The side to move from tah.dat's content: X when its first byte is 'x', else O.
int SideOfTahText(std::string_view tah);

std::string MoveText(int x, int y);  // "x,y" exactly as written into tah.dat

// The level rules of the programs' command lines, side by side: the argument's second
// character ("/3" -> 3, else -1); the file program's name, the character before the
// last four of the path cut to 255 ("tulvo3.exe" -> 3); the pipe program's name, the
// character before a ".exe" ending in any letter case, else the last ("pbrain-tulvo3"
// -> 3). A name that names no level gives kDefaultLevel.
int LevelOfArgument(const char* argument);
int LevelOfFileProgramPath(const char* path);
int LevelOfPipeProgramPath(const char* path);

// The seed of a run started at this UTC time of day: its milliseconds since midnight.
uint32_t SeedOfTimeOfDay(int hour, int minute, int second, int millisecond);

}  // namespace tulvo

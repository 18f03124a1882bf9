// The engine's one door: value types in (a position, a level, a seed), value types out
// (the move and, on request, the trace of the search). The engine keeps its state
// behind this header; front ends include nothing else of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tulvo {

constexpr int kMaxBoardSize = 20;
// Cell codes of a Position; kBlocked blocks both players (pipe-protocol boards).
constexpr uint8_t kEmpty = 0, kStoneX = 1, kStoneO = 2, kBlocked = 3;
constexpr int kSideX = 1, kSideO = 2;  // side to move, as tah.dat gives it
constexpr int kDefaultLevel = 6;

struct Position {
  int size = kMaxBoardSize;                          // board side, 1..20
  uint8_t cells[kMaxBoardSize][kMaxBoardSize] = {};  // [x][y], cell codes
  int sideToMove = kSideX;
  // Set by ReadBoardText only: per line y, the board side in effect while the reader
  // read that line (20 for the first line, then the width of the line before). The
  // file program marks a stone's neighbourhood within that side, so boards whose
  // lines differ in width need it; 0 (the default) means size.
  uint8_t sideWhileRead[kMaxBoardSize] = {};
};

// A board read from plocha.dat text by the file program's own reader: the position,
// or the fault with the reader's exact message (e.g. "Nelze nahrat plocha.dat!")
// and a plain-English explanation for tools.
struct BoardRead {
  bool ok = false;
  Position position;
  std::string message;      // empty when ok
  std::string explanation;  // empty when ok
};
// The text's size is checked as the file program checks the file's size (1..447
// bytes), then its lines are read. Stones lying beyond the last line's width stay in
// the cells, and sideWhileRead keeps the width each line was read under: the file
// program counts and marks them that way.
BoardRead ReadBoardText(std::string_view text, int sideToMove);
// The faults of the files themselves, for front ends that read them: the board file
// cannot be opened or sized, or a later read (tah.dat included) fails.
BoardRead BoardFileUnreadable();
BoardRead FilesUnreadable();
// The side to move from tah.dat's content: X when its first byte is 'x', else O.
int SideOfTahText(std::string_view tah);

struct Request {
  Position position;
  int level = kDefaultLevel;  // 0..6
  uint32_t seed = 0;          // the random source's seed (the file program uses SeedOfTimeOfDay)
  bool trace = false;         // fill Choice::trace
};
struct TracedCell {
  int x, y;
  int32_t baseScore, cellScore;
  int tier;  // the deciding rule (levels 0 and 1) or threat row (levels 2..6)
};
struct Choice {
  bool hasMove = false;  // false where the file program would write nothing
  int x = -1, y = -1;
  std::vector<TracedCell> trace;  // every evaluated cell in scan order; empty for an opening move
};
Choice DecideMove(const Request& request);

const char* TierText(int level, int tier);  // "rule 9: own open four", "blocks five", ...
uint32_t SeedOfTimeOfDay(int hour, int minute, int second, int millisecond);
std::string MoveText(int x, int y);  // "x,y" exactly as written into tah.dat
// The level rules of the programs' command lines, side by side: the argument's second
// character ("/3" -> 3, else -1); the file program's name, the character before the
// last four of the path cut to 255 ("tulvo3.exe" -> 3); the pipe program's name, the
// character before a ".exe" ending in any letter case, else the last ("pbrain-tulvo3"
// -> 3). A name that names no level gives kDefaultLevel.
int LevelOfArgument(const char* argument);
int LevelOfFileProgramPath(const char* path);
int LevelOfPipeProgramPath(const char* path);

}  // namespace tulvo

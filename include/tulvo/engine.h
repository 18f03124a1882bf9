// The engine's one door: value types in (a position, a level, a seed), value types out
// (the move and, on request, the trace of the search). The engine's working state stays
// behind this header, one state per caller; front ends include nothing else of it. The conventions of the
// protocol files (reading plocha.dat, the move text, the level in a program's name)
// are in tulvo/file_protocol.h.
#pragma once

#include <cstdint>
#include <vector>

namespace tulvo {

constexpr int kMaxBoardSize = 20;
// Cell codes of a Position; kBlocked blocks both players (pipe-protocol boards).
constexpr uint8_t kEmpty = 0, kStoneX = 1, kStoneO = 2, kBlocked = 3;
constexpr int kSideX = 1, kSideO = 2;  // side to move, as tah.dat gives it
constexpr int kMinLevel = 0, kMaxLevel = 6, kDefaultLevel = 6;

struct Position {
  int size = kMaxBoardSize;                          // board side, 1..20
  uint8_t cells[kMaxBoardSize][kMaxBoardSize] = {};  // [x][y], cell codes
  int sideToMove = kSideX;
};

struct Request {
  Position position;
  int level = kDefaultLevel;  // kMinLevel..kMaxLevel; DecideMove clamps any other value
  uint32_t seed = 0;          // the random source's seed (the file program takes the clock's)
  bool trace = false;         // fill Choice::trace
  // Filled only for boards read from plocha.dat (RequestOfBoard in tulvo/file_protocol.h):
  // per line y, the board side in effect while the reader read that line (20 for the
  // first line, then the width of the line before). A stone's neighbourhood is marked
  // within that side, so boards whose lines differ in width need it. 0 (the default)
  // means position.size.
  uint8_t sideWhileRead[kMaxBoardSize] = {};
};
struct TracedCell {
  int x, y;
  int32_t baseScore, cellScore;
  int tier;  // the deciding rule (levels 0 and 1) or threat row (levels 2..6); see TierText
};
struct Choice {
  bool hasMove = false;  // false where the file program would write nothing
  int x = -1, y = -1;
  std::vector<TracedCell> trace;  // every evaluated cell in scan order; empty for an opening move
};

// Room for one working state of the engine, for a caller that keeps it in storage of its
// own choosing (the file program keeps one in static storage). Its contents are the
// engine's; a storage is used by one decision at a time.
struct alignas(64) EngineStorage {
  unsigned char bytes[48 * 1024];
};

// The move for the request's position. A level below kMinLevel plays as kMinLevel and
// one above kMaxLevel as kMaxLevel, so every request plays a level that exists.
// Decides in the calling thread's own state, made at the thread's first call and kept
// until it ends: threads decide side by side, with no lock.
Choice DecideMove(const Request& request);
// The same decision, in the caller's storage.
Choice DecideMove(const Request& request, EngineStorage& storage);

const char* TierText(int level, int tier);  // "rule 9: own open four", "blocks five", ...

}  // namespace tulvo

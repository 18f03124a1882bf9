// The functional signature: one hash over the moves and every evaluated cell's scores
// of a fixed list of positions, levels and seeds. It needs only the engine's door and
// the standard library, so it builds for every target the engine builds for.
#pragma once

#include <cstdint>
#include <string>

namespace tulvo::bench {

// 64-bit FNV-1a, fed piece by piece.
struct Fnv1a {
  uint64_t hash = 14695981039346656037ull;
  void Add(const void* bytes, int count);
  void AddInt(int32_t value);  // as four bytes, lowest first
};

// One run as the file program leaves it: what tah.dat holds afterwards, and every cell
// its search evaluated.
struct SignatureCell {
  int32_t x, y, baseScore, cellScore;
};
void AddRun(Fnv1a& hash, const char* tah, int tahLength, const SignatureCell* cells, int cellCount);

// One run of a signature: adds the run of the board (plocha.dat bytes) with tah.dat
// holding the side letter ('x' or 'o'), at the level, seeded with seed (the
// milliseconds of the file program's clock).
using SignatureRun = void (*)(Fnv1a& hash, const std::string& board, char side, int level, uint32_t seed);
// Calls run for every signature position, both sides to move, every level and each
// fixed seed, in a fixed order; returns the hash.
uint64_t HashSignatureRuns(SignatureRun run);

// The signature through the door: tah.dat holds the move text, or its side letter
// when no move is written (also for a board the reader refuses).
uint64_t ComputeSignature();
// Number of runs a signature hashes.
int SignatureRunCount();
// Prints the signature; with an expected value (hex), also compares and returns 1 on
// a change, with what to do about it.
int ReportSignature(uint64_t signature, const char* expected);

}  // namespace tulvo::bench

// The functional signature: one hash over the moves and every evaluated cell's scores
// of a fixed list of positions, levels and seeds.
#pragma once

#include <cstdint>

// 64-bit FNV-1a, fed piece by piece.
struct Fnv1a {
  uint64_t hash = 14695981039346656037ull;
  void Add(const void* bytes, int count);
  void AddInt(int32_t value);  // as four bytes, lowest first
};

// Runs the file program's whole sequence on the in-memory platform for every
// signature position, both sides to move, every level and each fixed seed (as the
// milliseconds of the clock), and hashes the text written to tah.dat and every
// evaluated cell's x, y, baseScore and cellScore.
uint64_t ComputeSignature();
// Number of runs ComputeSignature makes.
int SignatureRunCount();

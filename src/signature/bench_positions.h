// Fixed positions for the benchmarks and the signature, generated from fixed seeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tulvo::bench {

struct BenchPosition {
  std::string name;   // e.g. "20x20/100"
  std::string board;  // plocha.dat bytes, rows joined with LF
  int side;           // 1: X to move, 2: O to move
};

// A game of random moves on a board of the given side: the first stone in the centre,
// every later one on a free cell within two cells of a stone placed before, X and O
// in turn. The same arguments always give the same position.
BenchPosition RandomGamePosition(int boardSide, int stones, uint32_t seed);

// The benchmarked positions: 3, 30, 100 and 250 stones on 20 x 20, 40 on 15 x 15.
const std::vector<BenchPosition>& BenchPositions();
// Index into BenchPositions() of the 100-stone midgame.
constexpr int kMidgamePosition = 2;

// The signature's positions: the benchmarked ones, openings, small and full boards.
std::vector<BenchPosition> SignaturePositions();

}  // namespace tulvo::bench

// Feeds every run of the fixed list through the in-memory file program into one hash.
#include "signature.h"

#include <string>

#include "bench_positions.h"
#include "choice/move_search.h"
#include "support/engine_fixture.h"

namespace {

constexpr uint32_t kSeeds[] = {0, 1, 4321, 43200000, 86399999};
constexpr int kLevels = 7;
constexpr char kSideLetters[] = {'x', 'o'};

void AddRun(Fnv1a& hash, const MemoryRun& run) {
  hash.AddInt(int32_t(run.tah.size()));
  hash.Add(run.tah.data(), int(run.tah.size()));
  hash.AddInt(evaluatedCount);
  for (int i = 0; i < evaluatedCount; i++) {
    const EvaluatedCell& cell = evaluatedCells[i];
    hash.AddInt(cell.x);
    hash.AddInt(cell.y);
    hash.AddInt(cell.baseScore);
    hash.AddInt(cell.cellScore);
  }
}

}  // namespace

void Fnv1a::Add(const void* bytes, int count) {
  const uint8_t* p = static_cast<const uint8_t*>(bytes);
  for (int i = 0; i < count; i++) {
    hash ^= p[i];
    hash *= 1099511628211ull;
  }
}

void Fnv1a::AddInt(int32_t value) {
  uint32_t u = uint32_t(value);
  const uint8_t bytes[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  Add(bytes, 4);
}

uint64_t ComputeSignature() {
  Fnv1a hash;
  for (const BenchPosition& position : SignaturePositions()) {
    for (char side : kSideLetters) {
      for (int level = 0; level < kLevels; level++) {
        const std::string argument = {'/', char('0' + level)};
        for (uint32_t seed : kSeeds)
          AddRun(hash, RunInMemory(position.board.c_str(), std::string(1, side).c_str(), {argument}, seed));
      }
    }
  }
  return hash.hash;
}

int SignatureRunCount() {
  return int(SignaturePositions().size() * std::size(kSideLetters) * kLevels * std::size(kSeeds));
}

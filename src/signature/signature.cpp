// Feeds every run of the fixed list through the engine's door into one hash.
#include "signature/signature.h"

#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "signature/bench_positions.h"

namespace tulvo::bench {

namespace {

constexpr uint32_t kSeeds[] = {0, 1, 4321, 43200000, 86399999};
constexpr int kLevels = 7;
constexpr char kSideLetters[] = {'x', 'o'};

// What the file program leaves: the move it writes, else the side letter untouched.
void AddDoorRun(Fnv1a& hash, const std::string& board, char side, int level, uint32_t seed) {
  const std::string tah(1, side);
  const tulvo::BoardRead read = tulvo::ReadBoardText(board, tulvo::SideOfTahText(tah));
  tulvo::Choice choice;
  if (read.ok) {
    tulvo::Request request = tulvo::RequestOfBoard(read, level, seed);
    request.trace = true;
    choice = tulvo::DecideMove(request);
  }
  const std::string written = choice.hasMove ? tulvo::MoveText(choice.x, choice.y) : tah;
  std::vector<SignatureCell> cells;
  for (const tulvo::TracedCell& cell : choice.trace) cells.push_back({cell.x, cell.y, cell.baseScore, cell.cellScore});
  AddRun(hash, written.data(), int(written.size()), cells.data(), int(cells.size()));
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

void AddRun(Fnv1a& hash, const char* tah, int tahLength, const SignatureCell* cells, int cellCount) {
  hash.AddInt(tahLength);
  hash.Add(tah, tahLength);
  hash.AddInt(cellCount);
  for (int i = 0; i < cellCount; i++) {
    hash.AddInt(cells[i].x);
    hash.AddInt(cells[i].y);
    hash.AddInt(cells[i].baseScore);
    hash.AddInt(cells[i].cellScore);
  }
}

uint64_t HashSignatureRuns(SignatureRun run) {
  Fnv1a hash;
  for (const BenchPosition& position : SignaturePositions())
    for (char side : kSideLetters)
      for (int level = 0; level < kLevels; level++)
        for (uint32_t seed : kSeeds) run(hash, position.board, side, level, seed);
  return hash.hash;
}

uint64_t ComputeSignature() { return HashSignatureRuns(AddDoorRun); }

int SignatureRunCount() {
  return int(SignaturePositions().size() * std::size(kSideLetters) * kLevels * std::size(kSeeds));
}

int ReportSignature(uint64_t signature, const char* expected) {
  printf("signature %016" PRIx64 " (%d runs)\n", signature, SignatureRunCount());
  if (expected == nullptr) return 0;
  const uint64_t wanted = strtoull(expected, nullptr, 16);
  if (signature == wanted) return 0;
  printf("The signature changed from %016" PRIx64 " to %016" PRIx64
         ": moves or scores differ. If the change is meant, put the new value into "
         "bench/signature.expected and explain it in the commit message.\n",
         wanted, signature);
  return 1;
}

}  // namespace tulvo::bench

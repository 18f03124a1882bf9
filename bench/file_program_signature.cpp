// Every signature run through the file program's run sequence, files in memory.
#include "bench/file_program_signature.h"

#include <string>
#include <vector>

#include "engine/choice/move_search.h"
#include "signature/signature.h"
#include "support/engine_fixture.h"

namespace tulvo::bench {

namespace {

void AddFileProgramRun(Fnv1a& hash, const std::string& board, char side, int level, uint32_t seed) {
  const test::MemoryRun run =
      test::RunInMemory(board.c_str(), std::string(1, side).c_str(), {test::LevelArgument(level)}, seed);
  std::vector<SignatureCell> cells;
  for (int i = 0; i < engine::evaluatedCount; i++) {
    const engine::EvaluatedCell& cell = engine::evaluatedCells[i];
    cells.push_back({cell.x, cell.y, cell.baseScore, cell.cellScore});
  }
  AddRun(hash, run.tah.data(), int(run.tah.size()), cells.data(), int(cells.size()));
}

}  // namespace

uint64_t ComputeFileProgramSignature() { return HashSignatureRuns(AddFileProgramRun); }

}  // namespace tulvo::bench

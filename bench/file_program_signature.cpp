// Every signature run through the file program's run sequence, files in memory.
#include "bench/file_program_signature.h"

#include <string>
#include <vector>

#include "engine/choice/engine_state.h"
#include "signature/signature.h"
#include "support/engine_fixture.h"

namespace tulvo::bench {

namespace {

void AddFileProgramRun(Fnv1a& hash, const std::string& board, char side, int level, uint32_t seed) {
  const test::MemoryRun run =
      test::RunInMemory(board.c_str(), std::string(1, side).c_str(), {test::LevelArgument(level)}, seed);
  const engine::EngineState& state = test::StateAfter(run);
  std::vector<SignatureCell> cells;
  for (int i = 0; i < state.evaluatedCount; i++) {
    const engine::EvaluatedCell& cell = state.evaluatedCells[i];
    cells.push_back({cell.x, cell.y, cell.baseScore, cell.cellScore});
  }
  AddRun(hash, run.tah.data(), int(run.tah.size()), cells.data(), int(cells.size()));
}

}  // namespace

uint64_t ComputeFileProgramSignature() { return HashSignatureRuns(AddFileProgramRun); }

}  // namespace tulvo::bench

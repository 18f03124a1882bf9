// Benchmarks of the line scan, the candidate preparation, the move choice per level
// and the whole in-process run; `tulvo-bench signature [EXPECTED]` prints (and checks)
// the functional signature of the file program's own run sequence instead, and
// `tulvo-bench position N` prints the board text of benchmark position N.
#include <benchmark/benchmark.h>
#include <tulvo/file_protocol.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "bench/file_program_signature.h"
#include "bench/in_process_run.h"
#include "engine/analysis/candidates.h"
#include "engine/choice/move_search.h"
#include "engine/load_position.h"
#include "signature/bench_positions.h"
#include "signature/signature.h"
#include "support/engine_fixture.h"

namespace tulvo::bench {

namespace {

constexpr uint32_t kSeed = 12345;

// Loads position index into the state at the given level, candidates prepared.
const BenchPosition& Load(engine::EngineState& s, int64_t index, int level) {
  const BenchPosition& position = BenchPositions()[size_t(index)];
  engine::ResetEngine(s);
  engine::LoadPosition(s, RequestOfBoard(ReadBoardText(position.board, position.side), level, kSeed));
  s.aiLevel = level;
  engine::PrepareCandidates(s);
  return position;
}

void BM_ScanCell(benchmark::State& state) {
  const std::unique_ptr<engine::EngineState> s = test::NewState();
  Load(*s, kMidgamePosition, kDefaultLevel);
  const int x = s->searchBox.minX + 3, y = s->searchBox.minY + 3;
  for (auto _ : state) {
    engine::ScanCell(*s, x, y);
    benchmark::DoNotOptimize(s->cellTables[x][y]);
  }
}
BENCHMARK(BM_ScanCell);

void BM_PrepareCandidates(benchmark::State& state) {
  const std::unique_ptr<engine::EngineState> s = test::NewState();
  state.SetLabel(Load(*s, state.range(0), kDefaultLevel).name);
  for (auto _ : state) {
    engine::PrepareCandidates(*s);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PrepareCandidates)->DenseRange(0, 4)->ArgName("position");

// Candidate preparation and the move choice, as a run does after reading the files.
void BM_ChooseMove(benchmark::State& state) {
  const std::unique_ptr<engine::EngineState> s = test::NewState();
  state.SetLabel(Load(*s, state.range(0), int(state.range(1))).name);
  for (auto _ : state) {
    engine::PrepareCandidates(*s);
    s->randomSeed = kSeed;
    engine::ChooseMove(*s);
    benchmark::DoNotOptimize(s->bestMove);
  }
}
BENCHMARK(BM_ChooseMove)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 5, 6}})->ArgNames({"position", "level"});

// From board bytes to move text: reset, parse, prepare, choose, format.
void BM_InProcessRun(benchmark::State& state) {
  const BenchPosition& position = BenchPositions()[size_t(state.range(0))];
  const int level = int(state.range(1));
  state.SetLabel(position.name);
  char text[8];
  for (auto _ : state) benchmark::DoNotOptimize(PlayBoardBytes(position.board, position.side, level, kSeed, text));
}
BENCHMARK(BM_InProcessRun)->ArgsProduct({{0, 1, 2, 3, 4}, {6}})->ArgNames({"position", "level"});

// The file program's whole sequence on the in-memory platform (file table included).
void BM_RunProgramInMemory(benchmark::State& state) {
  const BenchPosition& position = BenchPositions()[size_t(state.range(0))];
  state.SetLabel(position.name);
  const char* tah = position.side == 1 ? "x" : "o";
  for (auto _ : state) benchmark::DoNotOptimize(test::RunInMemory(position.board.c_str(), tah, {"/6"}, kSeed));
}
BENCHMARK(BM_RunProgramInMemory)->Arg(kMidgamePosition)->ArgName("position");

}  // namespace

}  // namespace tulvo::bench

int main(int argc, char** argv) {
  if (argc == 3 && strcmp(argv[1], "position") == 0) {
    const size_t index = size_t(strtoul(argv[2], nullptr, 10));
    if (index >= tulvo::bench::BenchPositions().size()) return 2;
    fputs(tulvo::bench::BenchPositions()[index].board.c_str(), stdout);
    return 0;
  }
  if (argc >= 2 && strcmp(argv[1], "signature") == 0)
    return tulvo::bench::ReportSignature(tulvo::bench::ComputeFileProgramSignature(), argc >= 3 ? argv[2] : nullptr);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

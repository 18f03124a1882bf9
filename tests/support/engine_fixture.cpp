// In-process engine set-up shared by the unit tests.
#include "support/engine_fixture.h"

#include <tulvo/file_protocol.h>

#include <new>

#include "engine/analysis/candidates.h"
#include "engine/board/random.h"
#include "engine/load_position.h"
#include "file_program/run_sequence.h"
#include "platform/platform_memory.h"

namespace tulvo::test {

std::string BoardText(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

std::vector<std::string> EmptyRows(int side) {
  return std::vector<std::string>(size_t(side), std::string(size_t(side), '-'));
}

std::vector<std::string> RowsWithStones(int side, const std::vector<StoneAt>& stones) {
  std::vector<std::string> rows = EmptyRows(side);
  for (const StoneAt& stone : stones) rows[size_t(stone.y)][size_t(stone.x)] = stone.code;
  return rows;
}

std::unique_ptr<engine::EngineState> NewState() { return std::make_unique<engine::EngineState>(); }

void LoadPosition(engine::EngineState& s, const std::vector<std::string>& rows, int side) {
  engine::ResetEngine(s);
  engine::CreateCellTables(s);
  engine::LoadPosition(s, RequestOfBoard(ReadBoardText(BoardText(rows), side), kDefaultLevel, 0));
  engine::PrepareCandidates(s);
}

std::unique_ptr<engine::EngineState> LoadedState(const std::vector<std::string>& rows, int side) {
  std::unique_ptr<engine::EngineState> s = NewState();
  LoadPosition(*s, rows, side);
  return s;
}

uint32_t SeedGiving(const std::vector<int>& bounds, const std::vector<int>& values) {
  engine::BoardState draws = {};
  for (uint32_t seed = 0;; seed++) {
    draws.randomSeed = seed;
    bool match = true;
    for (size_t i = 0; i < bounds.size() && match; i++) match = engine::Random(draws, bounds[i]) == values[i];
    if (match) return seed;
  }
}

UtcTimeOfDay ClockOfSeed(uint32_t ms) {
  return {int(ms / 3600000), int(ms / 60000 % 60), int(ms / 1000 % 60), int(ms % 1000)};
}

std::string LevelArgument(int level) {
  std::string argument = "/";
  argument += char('0' + level);
  return argument;
}

MemoryRun RunInMemory(const char* plocha, const char* tah, const std::vector<std::string>& arguments,
                      uint32_t millisecondsOfDay, const std::string& executable) {
  ProgramSetup setup;
  if (plocha != nullptr) setup.plocha = plocha;
  if (tah != nullptr) setup.tah = tah;
  setup.arguments = arguments;
  setup.millisecondsOfDay = millisecondsOfDay;
  setup.executable = executable;
  return RunSetupInMemory(setup);
}

MemoryRun RunSetupInMemory(const ProgramSetup& setup) {
  MemoryPlatformReset();
  if (setup.plocha) MemoryPlatformSetFile("plocha.dat", *setup.plocha);
  if (setup.tah) MemoryPlatformSetFile("tah.dat", *setup.tah);
  for (const std::string& name : setup.brokenFiles) MemoryPlatformBreakFile(name);
  MemoryPlatformSetArguments(setup.arguments);
  MemoryPlatformSetExecutablePath(setup.executable);
  MemoryPlatformSetClock(ClockOfSeed(setup.millisecondsOfDay));
  auto storage = std::make_shared<EngineStorage>();
  MemoryRun run = {"", "", false, -1, storage};
  try {
    file_program::RunProgram(*storage);
  } catch (const PlatformExitSignal& exit) {
    run.exitCode = exit.code;
  }
  run.console = MemoryPlatformConsole();
  run.tahExists = MemoryPlatformHasFile("tah.dat");
  run.tah = MemoryPlatformFile("tah.dat");
  return run;
}

engine::EngineState& StateIn(EngineStorage& storage) {
  return *std::launder(reinterpret_cast<engine::EngineState*>(storage.bytes));
}

engine::EngineState& StateAfter(const MemoryRun& run) { return StateIn(*run.storage); }

}  // namespace tulvo::test

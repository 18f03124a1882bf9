// In-process set-up of the engine on the in-memory platform.
#pragma once

#include <tulvo/engine.h>
#include <tulvo/platform.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/choice/engine_state.h"

namespace tulvo::test {

// Rows of board text (one string per board line, '-', 'x', 'o'), joined with LF.
std::string BoardText(const std::vector<std::string>& rows);
// An empty square board of the given side.
std::vector<std::string> EmptyRows(int side);

struct StoneAt {
  int x, y;
  char code;  // 'x' or 'o'
};
// A square board of the given side holding the stones.
std::vector<std::string> RowsWithStones(int side, const std::vector<StoneAt>& stones);

// A new engine state on the heap, every field zero.
std::unique_ptr<engine::EngineState> NewState();
// Resets the state, clears the cell tables, parses the rows, sets the side to move
// (1 X, 2 O) and prepares the candidates, as a decision does after reading the files.
void LoadPosition(engine::EngineState& s, const std::vector<std::string>& rows, int side);
// A new state with the rows loaded.
std::unique_ptr<engine::EngineState> LoadedState(const std::vector<std::string>& rows, int side);

// The first seed from 0 upwards whose next draws with the given bounds return the
// given values.
uint32_t SeedGiving(const std::vector<int>& bounds, const std::vector<int>& values);

UtcTimeOfDay ClockOfSeed(uint32_t millisecondsOfDay);

// The argument "/n" that selects level n.
std::string LevelArgument(int level);

struct MemoryRun {
  std::string console;
  std::string tah;
  bool tahExists;
  int exitCode;
  std::shared_ptr<EngineStorage> storage;  // the engine's state as the run left it
};
// The state that a storage's last decision left in it.
engine::EngineState& StateIn(EngineStorage& storage);
// The engine's state as the run left it.
engine::EngineState& StateAfter(const MemoryRun& run);

// A whole run of the file program on the in-memory platform. A missing file is
// given as nullptr.
MemoryRun RunInMemory(const char* plocha, const char* tah, const std::vector<std::string>& arguments,
                      uint32_t millisecondsOfDay = 0, const std::string& executable = "tulvo.exe");

// Everything a run of the file program meets on the in-memory platform. A file
// without a value is missing; a broken file fails every open, read and close.
struct ProgramSetup {
  std::optional<std::string> plocha;
  std::optional<std::string> tah;
  std::vector<std::string> brokenFiles;
  std::vector<std::string> arguments;
  uint32_t millisecondsOfDay = 0;
  std::string executable = "tulvo.exe";
};

MemoryRun RunSetupInMemory(const ProgramSetup& setup);

}  // namespace tulvo::test

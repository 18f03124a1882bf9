// Runs of built programs through the platform's process channel, and scratch folders.
#include "support/program_runner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/process_channel.h"
#include "platform/stopwatch.h"

namespace tulvo::test {

ScratchDirectory::ScratchDirectory() : path_(MakeScratchFolder("tulvo-test").string()) {}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void ScratchDirectory::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ + "/" + name, std::ios::binary) << bytes;
}

bool ScratchDirectory::Exists(const std::string& name) const {
  return std::filesystem::exists(std::filesystem::symlink_status(path_ + "/" + name));
}

std::string ScratchDirectory::Read(const std::string& name) const {
  std::ifstream in(path_ + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void ScratchDirectory::Link(const std::string& name, const std::string& target) const {
  std::filesystem::create_symlink(target, path_ + "/" + name);
}

std::vector<std::string> ScratchDirectory::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

namespace {

// Longer than any test's program runs; a program still running then has hung.
constexpr int kRunLimitMs = 10 * 60 * 1000;

// Everything the program writes to its standard output until it closes it, or until
// the limit; false at the limit.
bool ReadToTheEnd(ChildProcess& process, std::string& output) {
  Stopwatch clock;
  for (;;) {
    switch (process.Read(output, clock.LeftOf(kRunLimitMs))) {
      case ReadStatus::kData: break;
      case ReadStatus::kClosed: return true;
      case ReadStatus::kTimedOut: return false;
    }
  }
}

}  // namespace

ProgramRun RunProgramIn(const std::string& directory, const std::string& program,
                        const std::vector<std::string>& arguments, const std::string& input) {
  std::vector<std::string> command = {program};
  command.insert(command.end(), arguments.begin(), arguments.end());
  PrepareChildProcesses();  // a program that exits without reading its input
  std::string failure;
  std::unique_ptr<ChildProcess> process = StartChildProcess(command, directory, true, failure);
  if (!process) return {failure + "\n", kCannotStart};
  process->Write(input);
  process->CloseInput();
  ProgramRun run = {"", -1};
  if (!ReadToTheEnd(*process, run.output)) return run;  // ending process kills the program
  const std::optional<ProcessEnd> end = process->WaitForExit(kRunLimitMs);
  if (end) run.exitCode = end->code;
  return run;
}

}  // namespace tulvo::test

// The operating-system side of an engine: starting, feeding, reading, timing and
// ending its process, and the scratch folders of file-protocol engines. One module
// per platform implements it; the protocol engines above it are portable.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tulvo::arena {

// How a process that exited ended.
struct ProcessEnd {
  bool clean;               // exited on its own with code 0
  std::string description;  // such as "exited with code 3" or "killed by signal 6"
};

enum class ReadStatus { kData, kTimedOut, kClosed };

// One started engine process. Destroying it ends the process, and whatever the
// process started, when it is still running.
class EngineProcess {
 public:
  virtual ~EngineProcess() = default;
  // Writes all of bytes to the standard input; false when the process stopped reading.
  virtual bool Write(const std::string& bytes) = 0;
  // Appends what the standard output has within timeoutMs: kData when something
  // came, kClosed at the end of the output.
  virtual ReadStatus Read(std::string& output, int timeoutMs) = 0;
  // The end of the process when it exits within timeoutMs; nullopt otherwise.
  virtual std::optional<ProcessEnd> WaitForExit(int timeoutMs) = 0;
  // Ends the process and what it started, and waits until it is gone.
  virtual void Kill() = 0;
};

// Starts command (the program, then its arguments) in directory (empty: the arena's
// own). A program path that is relative but names a folder is taken relative to the
// arena's own folder. With pipes, the process's standard input and output are
// connected to the arena; otherwise they, like its standard error, lead nowhere.
// nullptr with failure set when the program cannot be started; throws ArenaFault
// when the arena cannot make the pipes.
std::unique_ptr<EngineProcess> StartEngineProcess(const std::vector<std::string>& command,
                                                  const std::filesystem::path& directory, bool pipes,
                                                  std::string& failure);

// A new empty folder of its own under the temporary folder; throws ArenaFault when
// none can be made.
std::filesystem::path MakeScratchFolder();

}  // namespace tulvo::arena

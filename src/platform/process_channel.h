// Child processes: starting, feeding, reading, timing and ending them, and scratch
// folders to run them in. One module per system implements it (Linux, Windows); the
// arena's protocol engines above it are portable.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tulvo {

// A fault of the system, not of a child: a pipe, file or folder that cannot be made.
class SystemFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How a process that exited ended.
struct ProcessEnd {
  bool clean;               // exited on its own with code 0
  int code;                 // the exit code; -1 when a signal, a crash or Kill ended it
  std::string description;  // such as "exited with code 3" or "killed by signal 6"
};

enum class ReadStatus { kData, kTimedOut, kClosed };

// One started process. Destroying it ends the process, and whatever the process
// started, when it is still running.
class ChildProcess {
 public:
  virtual ~ChildProcess() = default;
  // Writes all of bytes to the standard input; false when the process stopped reading.
  virtual bool Write(const std::string& bytes) = 0;
  // Closes the standard input, so that the process reads to its end.
  virtual void CloseInput() = 0;
  // Appends what the standard output has within timeoutMs: kData when something
  // came, kClosed at the end of the output.
  virtual ReadStatus Read(std::string& output, int timeoutMs) = 0;
  // The end of the process when it exits within timeoutMs; nullopt otherwise.
  virtual std::optional<ProcessEnd> WaitForExit(int timeoutMs) = 0;
  // Ends the process and what it started, and waits until it is gone.
  virtual void Kill() = 0;
};

// Starts command (the program, then its arguments) in directory (empty: the caller's
// own). A program path that is relative but names a folder is taken relative to the
// caller's own folder. With pipes, the process's standard input and output are
// connected to the caller; otherwise they, like its standard error, lead nowhere.
// nullptr with failure set when the program cannot be started; throws SystemFault
// when the pipes cannot be made.
std::unique_ptr<ChildProcess> StartChildProcess(const std::vector<std::string>& command,
                                                const std::filesystem::path& directory, bool pipes,
                                                std::string& failure);

// A new empty folder of its own under the temporary folder, named prefix and a unique
// suffix; throws SystemFault when none can be made.
std::filesystem::path MakeScratchFolder(const std::string& prefix);

// Makes writes to a child that has died fail instead of ending the caller.
void PrepareChildProcesses();
// Ends every child still running and whatever each started, and makes every later
// StartChildProcess fail: for a program that stops. A signal handler may call it.
void EndAllChildProcesses();
// The words as one command for the system's shell to read back: on Linux each word
// quoted for a POSIX shell unless it is plain, on Windows a Windows command line.
std::string ShellCommandLine(const std::vector<std::string>& words);
// True when standard error is a terminal, where a progress line makes sense (on
// Windows, a console that takes escape sequences, switched on here).
bool StandardErrorIsTerminal();

}  // namespace tulvo

// Engine processes on Linux: spawning in a process group of their own, pipes,
// waiting with a deadline, ending the group, and scratch folders. It uses calls
// that only Linux has: pidfd_open, pipe2 and posix_spawn_file_actions_addchdir_np.
#ifndef __linux__
#error "the process channel needs Linux (pidfd_open, pipe2, posix_spawn_file_actions_addchdir_np)"
#endif

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/process_channel.h"
#include "platform/stopwatch.h"

namespace tulvo {

namespace {

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// Both pipes, or neither: when the second cannot be made, the first is closed.
void MakePipes(int input[2], int output[2]) {
  if (pipe2(input, O_CLOEXEC) == 0) {
    if (pipe2(output, O_CLOEXEC) == 0) return;
    int error = errno;
    CloseFd(input[0]);
    CloseFd(input[1]);
    errno = error;
  }
  throw SystemFault(std::string("cannot create pipes for an engine: ") + std::strerror(errno));
}

// A program path with a slash that is not absolute is taken relative to the
// arena's own folder, even when the engine runs elsewhere.
std::string ProgramPath(const std::string& program) {
  if (program.find('/') == std::string::npos || program[0] == '/') return program;
  return std::filesystem::absolute(program).string();
}

// The process groups of the children still running, so that a program that stops
// can end them all, from a signal handler too: lock-free slots, 0 when free.
constexpr int kGroupSlots = 1024;
std::atomic<pid_t> liveGroups[kGroupSlots];
std::atomic<bool> ending{false};

void AddGroup(pid_t group) {
  for (auto& slot : liveGroups) {
    pid_t free = 0;
    if (slot.compare_exchange_strong(free, group)) return;
  }
}

void RemoveGroup(pid_t group) {
  for (auto& slot : liveGroups) {
    pid_t held = group;
    if (slot.compare_exchange_strong(held, 0)) return;
  }
}

ProcessEnd EndOf(int status) {
  if (WIFSIGNALED(status)) return {false, -1, "killed by signal " + std::to_string(WTERMSIG(status))};
  const int code = WEXITSTATUS(status);
  return {code == 0, code, "exited with code " + std::to_string(code)};
}

class PosixProcess : public ChildProcess {
 public:
  PosixProcess(pid_t pid, int toChild, int fromChild)
      : pid_(pid), pidfd_(int(syscall(SYS_pidfd_open, pid, 0))), toChild_(toChild), fromChild_(fromChild) {}
  ~PosixProcess() override {
    Kill();
    CloseFd(toChild_);
    CloseFd(fromChild_);
  }

  bool Write(const std::string& bytes) override {
    for (size_t sent = 0; sent < bytes.size();) {
      ssize_t written = write(toChild_, bytes.data() + sent, bytes.size() - sent);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      sent += size_t(written);
    }
    return true;
  }

  void CloseInput() override { CloseFd(toChild_); }

  ReadStatus Read(std::string& output, int timeoutMs) override {
    Stopwatch clock;
    for (;;) {
      pollfd ready{fromChild_, POLLIN, 0};
      int left = clock.LeftOf(timeoutMs);
      int polled = left > 0 ? poll(&ready, 1, left) : 0;
      if (polled < 0 && errno == EINTR) continue;
      if (polled == 0) return ReadStatus::kTimedOut;
      char buffer[4096];
      ssize_t got = read(fromChild_, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return ReadStatus::kClosed;
      output.append(buffer, size_t(got));
      return ReadStatus::kData;
    }
  }

  std::optional<ProcessEnd> WaitForExit(int timeoutMs) override {
    Stopwatch clock;
    while (!end_) {
      if (HasExited()) {
        EndGroupAndReap();
        break;
      }
      int left = clock.LeftOf(timeoutMs);
      if (left <= 0) return std::nullopt;
      if (pidfd_ >= 0) {
        pollfd ready{pidfd_, POLLIN, 0};
        poll(&ready, 1, left);
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }
    return end_;
  }

  // Kills the process and the rest of its group, then reaps the process.
  void Kill() override {
    if (end_) return;
    kill(pid_, SIGKILL);
    EndGroupAndReap();
  }

 private:
  // True once the process has ended; it stays unreaped, so that its pid, the
  // group's id, cannot be taken by another process yet.
  bool HasExited() const {
    siginfo_t info{};
    while (waitid(P_PID, id_t(pid_), &info, WEXITED | WNOHANG | WNOWAIT) < 0) {
      if (errno != EINTR) return false;
    }
    return info.si_pid == pid_;
  }

  // Kills whatever is left in the process's group, such as helpers it started,
  // then reaps the process itself.
  void EndGroupAndReap() {
    RemoveGroup(pid_);
    kill(-pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    end_ = EndOf(status);
    CloseFd(pidfd_);
  }

  pid_t pid_;  // always a process of ours: never -1, so waitpid never reaps another's
  int pidfd_;  // readable once the process exits; -1 when the kernel lacks it
  int toChild_;
  int fromChild_;
  std::optional<ProcessEnd> end_;  // set once the process is reaped
};

// File actions for the new process: pipes or /dev/null for standard input and
// output, /dev/null for standard error, and the working folder.
void PrepareActions(posix_spawn_file_actions_t& actions, const int input[2], const int output[2], bool pipes,
                    const std::filesystem::path& directory) {
  posix_spawn_file_actions_init(&actions);
  if (pipes) {
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
}

// A process group of its own, so that killing it ends what it started, and the
// default SIGPIPE behaviour the arena itself ignores.
void PrepareAttributes(posix_spawnattr_t& attributes) {
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
}

}  // namespace

std::unique_ptr<ChildProcess> StartChildProcess(const std::vector<std::string>& command,
                                                const std::filesystem::path& directory, bool pipes,
                                                std::string& failure) {
  if (ending) {
    failure = "cannot start " + command[0] + ": the program is stopping";
    return nullptr;
  }
  int input[2] = {-1, -1}, output[2] = {-1, -1};
  if (pipes) MakePipes(input, output);
  posix_spawn_file_actions_t actions;
  PrepareActions(actions, input, output, pipes, directory);
  posix_spawnattr_t attributes;
  PrepareAttributes(attributes);
  std::vector<std::string> words = command;
  words[0] = ProgramPath(words[0]);
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  int error = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  CloseFd(input[0]);
  CloseFd(output[1]);
  if (error == 0) {
    // Registered before the check, so that EndAllChildProcesses either sees the group
    // or this start sees that the program is stopping.
    AddGroup(pid);
    if (ending) kill(-pid, SIGKILL);
    return std::make_unique<PosixProcess>(pid, input[1], output[0]);
  }
  CloseFd(input[1]);
  CloseFd(output[0]);
  failure = "cannot start " + command[0] + ": " + std::strerror(error);
  return nullptr;
}

// Under TMPDIR, or /tmp without it.
std::filesystem::path MakeScratchFolder(const std::string& prefix) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr && *base != 0 ? base : "/tmp") + "/" + prefix + "-XXXXXX";
  if (mkdtemp(pattern.data()) != nullptr) return pattern;
  throw SystemFault("cannot create a scratch folder " + pattern + ": " + std::strerror(errno));
}

void PrepareChildProcesses() { signal(SIGPIPE, SIG_IGN); }

// Only calls that a signal handler may make.
void EndAllChildProcesses() {
  ending = true;
  for (auto& slot : liveGroups) {
    pid_t group = slot.load();
    if (group > 0) kill(-group, SIGKILL);
  }
}

std::string ShellCommandLine(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    if (!line.empty()) line += ' ';
    bool plain = !word.empty() && word.find_first_not_of(
                                      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                      "0123456789/._-+=:,") == std::string::npos;
    if (plain) {
      line += word;
      continue;
    }
    line += '\'';
    for (char c : word) line += c == '\'' ? std::string("'\\''") : std::string(1, c);
    line += '\'';
  }
  return line;
}

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

}  // namespace tulvo

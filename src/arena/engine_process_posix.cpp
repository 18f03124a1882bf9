// Engines as POSIX processes: spawning, pipes, waiting with a deadline, killing,
// and the scratch directory of a file-protocol engine.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "arena/engine_process.h"

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsSince(Clock::time_point start) {
  return int(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

// A started engine process; the pipes are -1 for a file-protocol engine.
struct Child {
  pid_t pid = -1;
  int pidfd = -1;      // becomes readable when the process exits; -1 when the kernel lacks it
  int toChild = -1;    // its standard input
  int fromChild = -1;  // its standard output
};

// "program" with a slash but not absolute is taken relative to the arena's own
// directory, even when the engine runs elsewhere.
std::string ProgramPath(const std::string& program) {
  if (program.find('/') == std::string::npos || program[0] == '/') return program;
  return std::filesystem::absolute(program).string();
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// Starts command in directory (empty: the current one) in a process group of its
// own; with pipes, its standard input and output are connected to the arena.
// Standard error, and the other streams without pipes, go to /dev/null.
std::string Spawn(const std::vector<std::string>& command, const std::string& directory, bool pipes, Child& child) {
  int input[2] = {-1, -1}, output[2] = {-1, -1};
  if (pipes && (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0)) return std::strerror(errno);
  posix_spawn_file_actions_t actions;
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
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
  std::vector<std::string> words = command;
  words[0] = ProgramPath(words[0]);
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  int failure = posix_spawnp(&child.pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  CloseFd(input[0]);
  CloseFd(output[1]);
  child.toChild = input[1];
  child.fromChild = output[0];
  if (failure != 0) {
    CloseFd(child.toChild);
    CloseFd(child.fromChild);
    child.pid = -1;
    return "cannot start " + command[0] + ": " + std::strerror(failure);
  }
  child.pidfd = int(syscall(SYS_pidfd_open, child.pid, 0));
  return "";
}

// Waits until the child exits or timeoutMs pass; true with its status when it exited.
bool WaitForExit(Child& child, int timeoutMs, int& status) {
  Clock::time_point start = Clock::now();
  for (;;) {
    if (waitpid(child.pid, &status, WNOHANG) == child.pid) {
      child.pid = -1;
      CloseFd(child.pidfd);
      return true;
    }
    int left = timeoutMs - MillisecondsSince(start);
    if (left <= 0) return false;
    if (child.pidfd >= 0) {
      pollfd ready{child.pidfd, POLLIN, 0};
      poll(&ready, 1, left);
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
}

// Kills the child's whole process group and reaps the child.
void Kill(Child& child) {
  if (child.pid <= 0) return;
  kill(-child.pid, SIGKILL);
  kill(child.pid, SIGKILL);
  int status = 0;
  waitpid(child.pid, &status, 0);
  child.pid = -1;
  CloseFd(child.pidfd);
}

std::string DescribeExit(int status) {
  if (WIFSIGNALED(status)) return std::string("killed by signal ") + std::to_string(WTERMSIG(status));
  return "exited with code " + std::to_string(WEXITSTATUS(status));
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Runs the command once per move in a scratch directory of its own, with the
// position in plocha.dat and the side to move in tah.dat, and reads tah.dat back.
class FileEngine : public Engine {
 public:
  explicit FileEngine(const EngineCommand& engine) : command_(engine.command) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tulvo-arena-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) directory_ = pattern;
  }
  ~FileEngine() override {
    std::error_code ignored;
    if (!directory_.empty()) std::filesystem::remove_all(directory_, ignored);
  }

  EngineReply Start(int, int) override {
    if (directory_.empty()) return {ReplyStatus::kRefused, "cannot create a working directory", 0};
    return {ReplyStatus::kAnswered, "", 0};
  }

  EngineReply Move(const ArenaBoard& board, std::optional<Point>, int timeLimitMs) override {
    std::string side(1, StoneLetter(board.ToMove()));
    WriteFile(directory_ / "plocha.dat", board.Rows());
    WriteFile(directory_ / "tah.dat", side);
    Clock::time_point start = Clock::now();
    Child child;
    std::string failure = Spawn(command_, directory_.string(), false, child);
    if (!failure.empty()) return {ReplyStatus::kCrashed, failure, 0};
    int status = 0;
    if (!WaitForExit(child, timeLimitMs, status)) {
      Kill(child);
      return {ReplyStatus::kTimedOut, "no move within " + std::to_string(timeLimitMs) + " ms",
              MillisecondsSince(start)};
    }
    int ms = MillisecondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {ReplyStatus::kCrashed, DescribeExit(status), ms};
    std::string answer = ReadFile(directory_ / "tah.dat");
    if (answer.empty() || answer == side) return {ReplyStatus::kMissing, "tah.dat holds no move", ms};
    return {ReplyStatus::kAnswered, answer, ms};
  }

 private:
  std::vector<std::string> command_;
  std::filesystem::path directory_;
};

// Keeps the command running for the whole game and talks to it line by line.
class PipeEngine : public Engine {
 public:
  explicit PipeEngine(const EngineCommand& engine) : command_(engine.command) {}
  ~PipeEngine() override {
    if (child_.pid > 0) {
      Send("END");
      int status = 0;
      if (!WaitForExit(child_, 1000, status)) Kill(child_);
    }
    CloseFd(child_.toChild);
    CloseFd(child_.fromChild);
    CloseFd(child_.pidfd);
  }

  EngineReply Start(int side, int timeLimitMs) override {
    std::string failure = Spawn(command_, "", true, child_);
    if (!failure.empty()) return {ReplyStatus::kCrashed, failure, 0};
    EngineReply reply = Ask("START " + std::to_string(side), timeLimitMs);
    if (reply.status != ReplyStatus::kAnswered) return reply;
    if (reply.text != "OK") return {ReplyStatus::kRefused, reply.text, reply.ms};
    Send("INFO timeout_turn " + std::to_string(timeLimitMs));
    Send("INFO timeout_match 0");
    Send("INFO game_type 1");
    Send("INFO rule 0");
    return reply;
  }

  // The first request shows the whole position (BEGIN on an empty board); later
  // ones pass on the opponent's last move.
  EngineReply Move(const ArenaBoard& board, std::optional<Point> lastMove, int timeLimitMs) override {
    std::string request;
    if (!started_ && board.stones() == 0) {
      request = "BEGIN";
    } else if (!started_ || !lastMove) {
      request = BoardCommand(board);
    } else {
      request = "TURN " + std::to_string(lastMove->x) + "," + std::to_string(lastMove->y);
    }
    started_ = true;
    EngineReply reply = Ask(request, timeLimitMs);
    if (reply.status == ReplyStatus::kAnswered && reply.text.rfind("ERROR", 0) == 0)
      reply.status = ReplyStatus::kMissing;
    return reply;
  }

 private:
  static std::string BoardCommand(const ArenaBoard& board) {
    std::string text = "BOARD";
    uint8_t own = board.ToMove();
    for (int y = 0; y < board.side(); y++) {
      for (int x = 0; x < board.side(); x++) {
        uint8_t stone = board.At({x, y});
        if (stone == kCellEmpty) continue;
        text += "\r\n" + std::to_string(x) + "," + std::to_string(y) + "," + (stone == own ? "1" : "2");
      }
    }
    return text + "\r\nDONE";
  }

  bool Send(const std::string& line) {
    std::string bytes = line + "\r\n";
    for (size_t sent = 0; sent < bytes.size();) {
      ssize_t written = write(child_.toChild, bytes.data() + sent, bytes.size() - sent);
      if (written <= 0) return false;
      sent += size_t(written);
    }
    return true;
  }

  // Sends the command and waits for the first line that is not MESSAGE or DEBUG.
  EngineReply Ask(const std::string& command, int timeLimitMs) {
    Clock::time_point start = Clock::now();
    if (!Send(command)) return Died(start);
    for (;;) {
      std::string line;
      ReplyStatus status = ReadLine(line, timeLimitMs - MillisecondsSince(start));
      if (status == ReplyStatus::kTimedOut) {
        Kill(child_);
        return {status, "no answer to " + command.substr(0, 5) + " within " + std::to_string(timeLimitMs) + " ms",
                MillisecondsSince(start)};
      }
      if (status == ReplyStatus::kCrashed) return Died(start);
      if (line.empty() || line.rfind("MESSAGE", 0) == 0 || line.rfind("DEBUG", 0) == 0) continue;
      return {ReplyStatus::kAnswered, line, MillisecondsSince(start)};
    }
  }

  EngineReply Died(Clock::time_point start) {
    int status = 0;
    std::string how = WaitForExit(child_, 1000, status) ? DescribeExit(status) : "closed its output";
    Kill(child_);
    return {ReplyStatus::kCrashed, how, MillisecondsSince(start)};
  }

  // One line without its line end; kCrashed at the end of the output.
  ReplyStatus ReadLine(std::string& line, int timeoutMs) {
    Clock::time_point start = Clock::now();
    for (;;) {
      size_t end = pending_.find('\n');
      if (end != std::string::npos) {
        line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        while (!line.empty() && line.back() == '\r') line.pop_back();
        return ReplyStatus::kAnswered;
      }
      int left = timeoutMs - MillisecondsSince(start);
      pollfd ready{child_.fromChild, POLLIN, 0};
      if (left <= 0 || poll(&ready, 1, left) == 0) return ReplyStatus::kTimedOut;
      char buffer[4096];
      ssize_t got = read(child_.fromChild, buffer, sizeof buffer);
      if (got == 0 || (got < 0 && errno != EINTR)) return ReplyStatus::kCrashed;
      if (got > 0) pending_.append(buffer, size_t(got));
    }
  }

  std::vector<std::string> command_;
  Child child_;
  std::string pending_;
  bool started_ = false;
};

}  // namespace

void PrepareEngineProcesses() { signal(SIGPIPE, SIG_IGN); }

std::unique_ptr<Engine> LaunchEngine(const EngineCommand& command) {
  if (command.protocol == Protocol::kFile) return std::make_unique<FileEngine>(command);
  return std::make_unique<PipeEngine>(command);
}

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

// fork/exec with two pipes, and line reads bounded by poll.
#include "support/child_process.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <stdexcept>
#include <thread>

#include "support/program_runner.h"

namespace tulvo::test {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments) {
  int toChild[2], fromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0) throw std::runtime_error("pipe failed");
  signal(SIGPIPE, SIG_IGN);
  pid_ = fork();
  if (pid_ == 0) {
    dup2(toChild[0], STDIN_FILENO);
    dup2(fromChild[1], STDOUT_FILENO);
    for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) close(fd);
    ExecProgram(program, arguments);
  }
  close(toChild[0]);
  close(fromChild[1]);
  input_ = toChild[1];
  output_ = fromChild[0];
}

ChildProcess::~ChildProcess() {
  if (input_ >= 0) close(input_);
  if (output_ >= 0) close(output_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

void ChildProcess::Send(const std::string& line) {
  std::string bytes = line + "\r\n";
  if (write(input_, bytes.data(), bytes.size()) != ssize_t(bytes.size())) throw std::runtime_error("write failed");
}

std::string ChildProcess::ReadLine(int timeoutMilliseconds) {
  for (;;) {
    size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    pollfd request = {output_, POLLIN, 0};
    if (poll(&request, 1, timeoutMilliseconds) <= 0) throw std::runtime_error("no answer in time");
    char buffer[4096];
    ssize_t got = read(output_, buffer, sizeof buffer);
    if (got <= 0) throw std::runtime_error("output ended");
    pending_.append(buffer, size_t(got));
  }
}

int ChildProcess::Finish(int timeoutMilliseconds) {
  close(input_);
  input_ = -1;
  int status = 0;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tulvo::test

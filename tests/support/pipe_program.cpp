// Line reads over the platform's process channel, bounded by a deadline.
#include "support/pipe_program.h"

#include <stdexcept>

#include "platform/stopwatch.h"

namespace tulvo::test {

PipeProgram::PipeProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {program};
  command.insert(command.end(), arguments.begin(), arguments.end());
  PrepareChildProcesses();
  std::string failure;
  process_ = StartChildProcess(command, "", true, failure);
  if (!process_) throw std::runtime_error(failure);
}

void PipeProgram::Send(const std::string& line) {
  if (!process_->Write(line + "\r\n")) throw std::runtime_error("the program stopped reading");
}

std::string PipeProgram::ReadLine(int timeoutMilliseconds) {
  Stopwatch clock;
  for (;;) {
    size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    switch (process_->Read(pending_, clock.LeftOf(timeoutMilliseconds))) {
      case ReadStatus::kData: break;
      case ReadStatus::kTimedOut: throw std::runtime_error("no answer in time");
      case ReadStatus::kClosed: throw std::runtime_error("output ended");
    }
  }
}

int PipeProgram::Finish(int timeoutMilliseconds) {
  process_->CloseInput();
  const std::optional<ProcessEnd> end = process_->WaitForExit(timeoutMilliseconds);
  return end ? end->code : -1;
}

}  // namespace tulvo::test

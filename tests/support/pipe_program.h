// A running program talked to line by line over pipes, as a manager talks to an
// engine of the pipe protocol.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/process_channel.h"

namespace tulvo::test {

class PipeProgram {
 public:
  // Starts program with the arguments, its standard input and output on pipes;
  // throws when it cannot be started.
  PipeProgram(const std::string& program, const std::vector<std::string>& arguments);

  void Send(const std::string& line);  // appends CR LF, as managers do
  // The next output line without its line end; throws when none comes within the
  // time limit or the output ends.
  std::string ReadLine(int timeoutMilliseconds = 10000);
  // Closes standard input and waits for the exit: the exit code, or -1 when the
  // program was ended by a signal or is still running after the time limit.
  int Finish(int timeoutMilliseconds = 10000);

 private:
  std::unique_ptr<ChildProcess> process_;  // ending it kills a program still running
  std::string pending_;                    // output read but not yet returned as a line
};

}  // namespace tulvo::test

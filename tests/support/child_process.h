// A running program talked to line by line over pipes, as a manager talks to an
// engine of the pipe protocol.
#pragma once

#include <string>
#include <vector>

namespace tulvo::test {

class ChildProcess {
 public:
  // Starts program (argv[0] as given) with its standard input and output on pipes.
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
  ~ChildProcess();  // closes the pipes and kills the program if it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void Send(const std::string& line);  // appends CR LF, as managers do
  // The next output line without its line end; throws when none comes within the
  // time limit or the output ends.
  std::string ReadLine(int timeoutMilliseconds = 10000);
  // Closes standard input and waits for the exit; the exit status, or -1.
  int Finish(int timeoutMilliseconds = 10000);

 private:
  int pid_;
  int input_;   // the program's standard input
  int output_;  // the program's standard output
  std::string pending_;
};

}  // namespace tulvo::test

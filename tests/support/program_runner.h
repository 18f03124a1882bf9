// Runs a built program in a fresh scratch directory, as a game manager does.
#pragma once

#include <string>
#include <vector>

namespace tulvo::test {

struct ProgramRun {
  std::string output;  // standard output
  int exitCode;        // -1 when the program did not exit normally
};

// A fresh empty directory, removed with everything in it when the object goes.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& path() const { return path_; }
  void Write(const std::string& name, const std::string& bytes) const;
  bool Exists(const std::string& name) const;
  std::string Read(const std::string& name) const;
  // A symbolic link called name in this directory, pointing at target.
  void Link(const std::string& name, const std::string& target) const;
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

// In a forked child whose pipes are wired: execs program with the arguments (argv[0]
// is program as given); ends the child with status 127 when it cannot.
[[noreturn]] void ExecProgram(const std::string& program, const std::vector<std::string>& arguments);

// Starts program (a path, used as argv[0] as given) in directory with the arguments.
ProgramRun RunProgramIn(const std::string& directory, const std::string& program,
                        const std::vector<std::string>& arguments, const std::string& input = "");

}  // namespace tulvo::test

// Runs a built program in a fresh scratch directory, as a game manager does.
#pragma once

#include <string>
#include <vector>

namespace tulvo::test {

struct ProgramRun {
  std::string output;  // standard output
  int exitCode;        // -1 when the program did not exit normally
};

// The exit code of a run whose program cannot be started, as a shell reports it; the
// output then says why.
constexpr int kCannotStart = 127;

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

// Runs program in directory with the arguments and input on its standard input, and
// waits for it to end. A relative program path is taken relative to the caller's
// folder, not directory.
ProgramRun RunProgramIn(const std::string& directory, const std::string& program,
                        const std::vector<std::string>& arguments, const std::string& input = "");

}  // namespace tulvo::test

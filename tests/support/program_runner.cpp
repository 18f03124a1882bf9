// fork/exec with the working directory set and standard output captured.
#include "support/program_runner.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tulvo::test {

ScratchDirectory::ScratchDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tulvo-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch directory");
  path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void ScratchDirectory::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ + "/" + name, std::ios::binary) << bytes;
}

bool ScratchDirectory::Exists(const std::string& name) const {
  return std::filesystem::exists(std::filesystem::symlink_status(path_ + "/" + name));
}

std::string ScratchDirectory::Read(const std::string& name) const {
  std::ifstream in(path_ + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void ScratchDirectory::Link(const std::string& name, const std::string& target) const {
  std::filesystem::create_symlink(target, path_ + "/" + name);
}

std::vector<std::string> ScratchDirectory::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

void ExecProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

ProgramRun RunProgramIn(const std::string& directory, const std::string& program,
                        const std::vector<std::string>& arguments, const std::string& input) {
  int output[2], feed[2];
  if (pipe(output) != 0 || pipe(feed) != 0) throw std::runtime_error("pipe failed");
  pid_t child = fork();
  if (child == 0) {
    dup2(feed[0], STDIN_FILENO);
    dup2(output[1], STDOUT_FILENO);
    for (int fd : {output[0], output[1], feed[0], feed[1]}) close(fd);
    if (chdir(directory.c_str()) != 0) _exit(127);
    ExecProgram(program, arguments);
  }
  close(output[1]);
  close(feed[0]);
  signal(SIGPIPE, SIG_IGN);  // a program that exits without reading its input
  if (!input.empty()) {
    ssize_t written = write(feed[1], input.data(), input.size());
    (void)written;
  }
  close(feed[1]);
  ProgramRun run = {"", -1};
  char buffer[4096];
  ssize_t got;
  while ((got = read(output[0], buffer, sizeof buffer)) > 0) run.output.append(buffer, size_t(got));
  close(output[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  return run;
}

}  // namespace tulvo::test

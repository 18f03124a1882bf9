// The process channel from the caller's side: how a process's end is reported, its
// standard input closed, and the folder it runs in. The children are /bin/sh scripts.
#include "platform/process_channel.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <set>

#include "platform/stopwatch.h"

using namespace tulvo;

namespace {

std::unique_ptr<ChildProcess> Shell(const std::string& script, const std::filesystem::path& directory = "") {
  PrepareChildProcesses();
  std::string failure;
  auto process = StartChildProcess({"/bin/sh", "-c", script}, directory, true, failure);
  if (!process) ADD_FAILURE() << failure;
  return process;
}

// The process's standard output up to its end, or what came within five seconds.
std::string OutputOf(ChildProcess& process) {
  std::string output;
  Stopwatch clock;
  while (process.Read(output, clock.LeftOf(5000)) == ReadStatus::kData) {
  }
  return output;
}

TEST(ProcessChannel, ReportsTheExitCodeOrTheSignal) {
  struct Case {
    const char* script;
    bool clean;
    int code;
    const char* description;
  };
  const Case cases[] = {
      {"exit 0", true, 0, "exited with code 0"},
      {"exit 3", false, 3, "exited with code 3"},
      {"exit 255", false, 255, "exited with code 255"},
      {"kill -9 $$", false, -1, "killed by signal 9"},
  };
  for (const Case& c : cases) {
    auto process = Shell(c.script);
    ASSERT_TRUE(process);
    std::optional<ProcessEnd> end = process->WaitForExit(5000);
    ASSERT_TRUE(end) << c.script;
    EXPECT_EQ(end->clean, c.clean) << c.script;
    EXPECT_EQ(end->code, c.code) << c.script;
    EXPECT_EQ(end->description, c.description) << c.script;
  }
}

// cat copies its input until the input ends: only CloseInput lets it finish.
TEST(ProcessChannel, ClosingTheInputEndsWhatReadsIt) {
  auto process = Shell("cat; exit 5");
  ASSERT_TRUE(process);
  ASSERT_TRUE(process->Write("one line\n"));
  process->CloseInput();
  EXPECT_FALSE(process->Write("too late\n"));
  EXPECT_EQ(OutputOf(*process), "one line\n");
  std::optional<ProcessEnd> end = process->WaitForExit(5000);
  ASSERT_TRUE(end);
  EXPECT_EQ(end->code, 5);
}

TEST(ProcessChannel, RunsInTheGivenFolderNamedByItsPrefix) {
  const std::filesystem::path folder = MakeScratchFolder("tulvo-channel-test");
  EXPECT_EQ(folder.filename().string().rfind("tulvo-channel-test-", 0), 0u) << folder;
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  auto process = Shell("pwd -P", folder);
  ASSERT_TRUE(process);
  EXPECT_EQ(OutputOf(*process), std::filesystem::canonical(folder).string() + "\n");
  std::filesystem::remove_all(folder);
}

// Waiting for one process never reaps another: a killed process keeps its own end,
// and a second process that exits meanwhile is still found by its own wait.
TEST(ProcessChannel, EachWaitSeesOnlyItsOwnProcess) {
  std::string failure;
  auto sleeper = StartChildProcess({"/bin/sh", "-c", "exec sleep 60"}, "", false, failure);
  auto crasher = StartChildProcess({"/bin/sh", "-c", "kill -6 $$"}, "", false, failure);
  ASSERT_TRUE(sleeper && crasher) << failure;
  sleeper->Kill();
  auto killed = sleeper->WaitForExit(2000);
  ASSERT_TRUE(killed);
  EXPECT_EQ(killed->description, "killed by signal 9");
  auto crashed = crasher->WaitForExit(5000);
  ASSERT_TRUE(crashed) << "the crashed process was reaped by another wait";
  EXPECT_FALSE(crashed->clean);
  EXPECT_EQ(crashed->description, "killed by signal 6");
}

// The open descriptors of this process, read from /proc/self/fd.
std::set<int> OpenDescriptors() {
  std::set<int> open;
  DIR* folder = opendir("/proc/self/fd");
  if (folder == nullptr) return open;
  int own = dirfd(folder);
  while (dirent* entry = readdir(folder)) {
    if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != own) open.insert(std::atoi(entry->d_name));
  }
  closedir(folder);
  return open;
}

// With room for exactly one pipe, the second cannot be made: the start is the
// caller's fault (SystemFault), and the first pipe is closed again.
TEST(ProcessChannel, NoPipesLeakWhenOnlyOneCanBeMade) {
  std::set<int> before = OpenDescriptors();
  if (before.empty()) GTEST_SKIP() << "/proc/self/fd is not readable";
  int free = 0, room = 0;
  for (; room < 3; free++) room += before.count(free) == 0;
  rlimit saved{};
  getrlimit(RLIMIT_NOFILE, &saved);
  rlimit tight = saved;
  tight.rlim_cur = rlim_t(free - 1);  // the two lowest free descriptors, and no third
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
  std::string failure;
  EXPECT_THROW(StartChildProcess({"/bin/sh", "-c", "exit 0"}, "", true, failure), SystemFault);
  setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(OpenDescriptors(), before);
}

// A command line the arena prints for the user to run again: the shell reads back
// the very words.
TEST(ShellCommandLine, TheShellReadsBackTheWords) {
  std::vector<std::string> words = {"build/bin/tulvo-arena", "--resume", "my games/it's.jsonl", "", "a\"b$c`d"};
  std::string line = ShellCommandLine(words);
  EXPECT_EQ(line.rfind("build/bin/tulvo-arena --resume '", 0), 0u) << line;
  auto process = Shell("for word in " + line.substr(line.find(' ') + 1) + "; do printf '[%s]' \"$word\"; done");
  ASSERT_TRUE(process);
  EXPECT_EQ(OutputOf(*process), "[--resume][my games/it's.jsonl][][a\"b$c`d]");
}

}  // namespace

// The built program under a frozen clock plays exactly the move the in-process run
// computes for the seed that clock gives: the seed is the milliseconds since
// midnight UTC, read through the C library's real-time clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "support/engine_fixture.h"
#include "support/frozen_clock.h"
#include "support/program_runner.h"

using namespace tulvo::test;

namespace {

const std::string kProgram = TULVO_EXECUTABLE;

std::string RandomBoard(std::mt19937& rng, int side, int stones) {
  std::vector<std::string> rows = EmptyRows(side);
  for (int i = 0; i < stones; i++) {
    int x = side / 2 - 4 + int(rng() % 9), y = side / 2 - 4 + int(rng() % 9);
    rows[size_t(y)][size_t(x)] = (i % 2) ? 'o' : 'x';
  }
  return BoardText(rows);
}

// Runs program (by default tulvo) in directory with its clock frozen at time.
void RunFrozen(const std::string& directory, const std::string& time, const std::vector<std::string>& arguments,
               const std::string& program = kProgram) {
  std::vector<std::string> words = FrozenClockPrefix(time);
  words.push_back(program);
  words.insert(words.end(), arguments.begin(), arguments.end());
  RunProgramIn(directory, words[0], {words.begin() + 1, words.end()});
}

}  // namespace

TEST(FrozenClock, ProgramMatchesInProcessRunForTheSameSeed) {
  if (!FrozenClockMissing().empty()) GTEST_SKIP() << FrozenClockMissing();
  struct Time {
    const char* text;
    uint32_t milliseconds;
  };
  const Time times[] = {
      {"2026-03-01 00:00:00", 0}, {"2026-03-01 12:34:56", 45296000}, {"2026-03-01 23:59:59", 86399000}};
  std::mt19937 rng(11);
  for (int round = 0; round < 6; round++) {
    int side = round == 5 ? 15 : 20;
    std::string board = RandomBoard(rng, side, round < 2 ? 1 + round : 6 + 5 * round);
    const char* tah = (round % 2) ? "o" : "x";
    for (int level = 0; level <= 6; level++)
      for (const Time& time : times) {
        ScratchDirectory dir;
        dir.Write("plocha.dat", board);
        dir.Write("tah.dat", tah);
        RunFrozen(dir.path(), time.text, {LevelArgument(level)});
        MemoryRun expected = RunInMemory(board.c_str(), tah, {LevelArgument(level)}, time.milliseconds);
        EXPECT_EQ(dir.Read("tah.dat"), expected.tah) << "round " << round << " level " << level << " " << time.text;
      }
  }
}

TEST(FrozenClock, NoArgumentAndNoDigitInTheNameMeansLevelSix) {
  if (!FrozenClockMissing().empty()) GTEST_SKIP() << FrozenClockMissing();
  std::mt19937 rng(5);
  int differsFromLevelFive = 0;
  for (int round = 0; round < 8; round++) {
    std::string board = RandomBoard(rng, 20, 12 + round);
    ScratchDirectory dir;
    dir.Write("plocha.dat", board);
    dir.Write("tah.dat", "x");
    RunFrozen(dir.path(), "2026-03-01 08:00:00", {});
    MemoryRun levelSix = RunInMemory(board.c_str(), "x", {"/6"}, 28800000);
    MemoryRun levelFive = RunInMemory(board.c_str(), "x", {"/5"}, 28800000);
    EXPECT_EQ(dir.Read("tah.dat"), levelSix.tah) << "round " << round;
    differsFromLevelFive += levelSix.tah != levelFive.tah;
  }
  EXPECT_GT(differsFromLevelFive, 0) << "the positions do not tell level 6 from level 5";
}

// The clock library makes two files in /dev/shm for a process that reads the clock
// and removes them only on exit(); the shell below, like tulvo, never gets there. The
// shell records that its files exist, then becomes tulvo, which keeps its process id.
// Once tulvo has ended, the prefix has removed them; the streams and the exit status
// are the program's.
TEST(FrozenClock, ThePrefixRemovesWhatTheClockLibraryLeavesInDevShm) {
  if (!FrozenClockMissing().empty()) GTEST_SKIP() << FrozenClockMissing();
  std::mt19937 rng(3);
  std::string board = RandomBoard(rng, 20, 12);
  ScratchDirectory dir;
  dir.Write("plocha.dat", board);
  dir.Write("tah.dat", "x");
  RunFrozen(dir.path(), "2026-03-01 08:00:00",
            {"-c", "ls /dev/shm/faketime_shm_$$ /dev/shm/sem.faketime_sem_$$ > seen && exec \"$0\"", kProgram},
            "/bin/sh");
  EXPECT_EQ(dir.Read("tah.dat"), RunInMemory(board.c_str(), "x", {}, 28800000).tah);
  std::stringstream seen(dir.Read("seen"));
  int files = 0;
  for (std::string path; std::getline(seen, path); files++) EXPECT_FALSE(std::filesystem::exists(path)) << path;
  EXPECT_EQ(files, 2) << "the clock library made no files in /dev/shm";

  std::vector<std::string> words = FrozenClockPrefix("2026-03-01 08:00:00");
  words.insert(words.end(), {"/bin/sh", "-c", "cat && exit 3"});
  ProgramRun run = RunProgramIn(dir.path(), words[0], {words.begin() + 1, words.end()}, "to the program\n");
  EXPECT_EQ(run.output, "to the program\n");
  EXPECT_EQ(run.exitCode, 3);
}

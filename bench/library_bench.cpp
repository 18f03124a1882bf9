// Moves per second through libtulvo's C interface on the 100-stone midgame, at levels
// 0, 3 and 6: one thread (per second of its CPU time), eight threads at once (their
// total, per second and per second of CPU time), and the file program started once per
// move on the same position (per second, and per second of the CPU time it and its
// starter take). Then, at level 6, the same moves shared by 1, 2, 4 and 8 threads: their
// total per wall-clock second, and its ratio to one thread's.
// Usage: tulvo-library-bench [--board FILE] [TULVO]
//   --board FILE  writes the position's plocha.dat text to FILE and exits.
//   TULVO         the file program to time; without it only the library is timed.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <tulvo/tulvo.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "signature/bench_positions.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Board {
  unsigned char cells[TULVO_MAX_CELLS];
  int size = 0;
  int side = 0;
};

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

double CpuSeconds(clockid_t clock) {
  timespec now;
  clock_gettime(clock, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Moves per second of CPU time of one caller, over about a second of it (the machine's
// other work does not count).
double LibraryRate(const Board& board, int level) {
  tulvo_move move;
  int moves = 0;
  const double start = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
  do {
    for (int i = 0; i < 100; i++, moves++)
      tulvo_choose_move(board.cells, board.size, board.side, level, unsigned(moves), &move);
  } while (CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start < 1.0);
  return moves / (CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start);
}

struct Threaded {
  double perWallSecond;  // the callers' total moves per second
  double perCpuSecond;   // their moves per second of the process's CPU time
};

// Callers at once, each making the same number of moves.
Threaded ThreadedRate(const Board& board, int level, int callers, int movesEach) {
  const Clock::time_point start = Clock::now();
  const double cpuStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
  std::vector<std::thread> threads;
  for (int t = 0; t < callers; t++)
    threads.emplace_back([&board, level, movesEach] {
      tulvo_move move;
      for (int i = 0; i < movesEach; i++)
        tulvo_choose_move(board.cells, board.size, board.side, level, unsigned(i), &move);
    });
  for (std::thread& thread : threads) thread.join();
  const double moves = double(callers) * movesEach;
  return {moves / Seconds(start), moves / (CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart)};
}

// 48,000 level-6 moves shared by 1, 2, 4 and 8 threads, the median of five rounds
// each, the rounds of the thread counts taken in turn so that the machine's changing
// load weighs on all of them alike.
void PrintScaling(const Board& board) {
  constexpr int kMoves = 48000, kRounds = 5;
  const int counts[] = {1, 2, 4, 8};
  std::vector<double> rates[std::size(counts)];
  for (int round = 0; round < kRounds; round++)
    for (size_t c = 0; c < std::size(counts); c++)
      rates[c].push_back(ThreadedRate(board, 6, counts[c], kMoves / counts[c]).perWallSecond);
  std::printf("\nlevel 6, %d moves shared by the threads, moves per wall-clock second (median of %d)\n", kMoves,
              kRounds);
  std::printf("%-8s %14s %10s\n", "threads", "moves/s", "to 1");
  double one = 0;
  for (size_t c = 0; c < std::size(counts); c++) {
    std::sort(rates[c].begin(), rates[c].end());
    const int callers = counts[c];
    const double rate = rates[c][kRounds / 2];
    if (callers == 1) one = rate;
    std::printf("%-8d %14.0f %10.2f\n", callers, rate, rate / one);
  }
}

double ChildrenCpuSeconds() {
  rusage usage;
  getrusage(RUSAGE_CHILDREN, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

struct Spawned {
  double perWallSecond;  // moves per second
  double perCpuSecond;   // moves per second of CPU time, the programs' and the starter's
};

// The file program started once per move in a scratch folder holding the position,
// tah.dat rewritten before each start.
Spawned ProgramRate(const std::string& program, const std::string& boardText, int side, int level) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tulvo-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "plocha.dat", std::ios::binary) << boardText;
  char argument[4];
  std::snprintf(argument, sizeof argument, "/%d", level);
  const std::string tah = (folder / "tah.dat").string();
  char* argv[] = {const_cast<char*>(program.c_str()), argument, nullptr};
  constexpr int kRuns = 300;
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  const Clock::time_point start = Clock::now();
  const double cpuStart = ChildrenCpuSeconds() + CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
  for (int i = 0; i < kRuns; i++) {
    std::ofstream(tah, std::ios::binary) << (side == TULVO_X ? "x" : "o");
    pid_t child;
    int status = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0) return {};
    waitpid(child, &status, 0);
  }
  const Spawned rate{kRuns / Seconds(start),
                     kRuns / (ChildrenCpuSeconds() + CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart)};
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(folder);
  return rate;
}

}  // namespace

int main(int argc, char** argv) {
  const tulvo::bench::BenchPosition& position = tulvo::bench::BenchPositions()[tulvo::bench::kMidgamePosition];
  if (argc == 3 && std::strcmp(argv[1], "--board") == 0) {
    std::ofstream(argv[2], std::ios::binary) << position.board;
    return 0;
  }
  Board board;
  board.side = position.side;
  char message[256];
  if (tulvo_read_board(position.board.data(), position.board.size(), board.cells, &board.size, message,
                       sizeof message) != 0) {
    std::fprintf(stderr, "%s\n", message);
    return 1;
  }
  std::printf("%s, moves per second (CPU: per second of CPU time; 8 threads: their total)\n", position.name.c_str());
  std::printf("%-6s %14s %14s %14s %14s %14s\n", "level", "1 thread, CPU", "8 threads", "8 threads, CPU",
              "file program", "program, CPU");
  for (int level : {0, 3, 6}) {
    const Spawned program = argc == 2 ? ProgramRate(argv[1], position.board, position.side, level) : Spawned{};
    const double single = LibraryRate(board, level);
    const Threaded threaded = ThreadedRate(board, level, 8, 3000);
    std::printf("%-6d %14.0f %14.0f %14.0f %14.0f %14.0f\n", level, single, threaded.perWallSecond,
                threaded.perCpuSecond, program.perWallSecond, program.perCpuSecond);
  }
  PrintScaling(board);
  return 0;
}

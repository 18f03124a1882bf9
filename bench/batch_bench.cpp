// Moves per second (wall clock, and per second of CPU time) of tulvo_choose_moves on 1,024 boards of 15 x 15 at
// level 6, each a random game of 10 to 70 stones, with 1, 2 and every core's threads,
// and each thread count's speed-up over one thread. Every batch's moves must equal
// one thread's. The machine's load average is printed with the figures, since other
// work on the cores changes them.
// Usage: tulvo-batch-bench [SECONDS]   (time per thread count, default 3)
#include <time.h>
#include <tulvo/tulvo.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "signature/bench_positions.h"

namespace {

constexpr int kBoards = 1024, kSize = 15, kLevel = 6;

struct Batch {
  std::vector<unsigned char> cells;
  std::vector<int> sides;
  std::vector<unsigned int> seeds;
};

Batch MakeBatch() {
  Batch batch;
  for (int b = 0; b < kBoards; b++) {
    const tulvo::bench::BenchPosition position = tulvo::bench::RandomGamePosition(kSize, 10 + b % 61, 1000u + b);
    unsigned char cells[TULVO_MAX_CELLS];
    int size = 0;
    if (tulvo_read_board(position.board.data(), position.board.size(), cells, &size, nullptr, 0) != 0 ||
        size != kSize) {
      std::fprintf(stderr, "board %d cannot be read\n", b);
      std::exit(1);
    }
    batch.cells.insert(batch.cells.end(), cells, cells + kSize * kSize);
    batch.sides.push_back(position.side);
    batch.seeds.push_back(unsigned(b) * 7919u);
  }
  return batch;
}

std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string one, five, fifteen;
  file >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

double CpuSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

struct Rates {
  double perSecond;     // moves per second of wall-clock time
  double perCpuSecond;  // moves per second of the process's CPU time, all threads'
};

// Batches until seconds have passed; the moves per second over them.
Rates Rate(const Batch& batch, int threads, double seconds, std::vector<tulvo_move>& moves) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  const double cpuStart = CpuSeconds();
  long decided = 0;
  double elapsed = 0;
  do {
    if (tulvo_choose_moves(batch.cells.data(), kBoards, kSize, batch.sides.data(), kLevel, batch.seeds.data(),
                           moves.data(), threads) < 0) {
      std::fprintf(stderr, "tulvo_choose_moves failed\n");
      std::exit(1);
    }
    decided += kBoards;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < seconds);
  return {double(decided) / elapsed, double(decided) / (CpuSeconds() - cpuStart)};
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
  const Batch batch = MakeBatch();
  std::printf("%d boards of %dx%d (10 to 70 stones), level %d; load average before: %s\n", kBoards, kSize, kSize,
              kLevel, LoadAverage().c_str());
  std::printf("%-8s %16s %10s %20s\n", "threads", "moves per second", "speed-up", "moves per CPU second");
  std::vector<tulvo_move> single(kBoards), moves(kBoards);
  const Rates one = Rate(batch, 1, seconds, single);
  std::printf("%-8d %16.0f %10.2f %20.0f\n", 1, one.perSecond, 1.0, one.perCpuSecond);
  for (int threads : {2, 0}) {
    const Rates rate = Rate(batch, threads, seconds, moves);
    if (std::memcmp(moves.data(), single.data(), sizeof(tulvo_move) * kBoards) != 0) {
      std::fprintf(stderr, "the moves with %d threads differ from one thread's\n", threads);
      return 1;
    }
    std::printf("%-8s %16.0f %10.2f %20.0f\n", threads == 0 ? "0 (all)" : std::to_string(threads).c_str(),
                rate.perSecond, rate.perSecond / one.perSecond, rate.perCpuSecond);
  }
  std::printf("load average after: %s\n", LoadAverage().c_str());
  return 0;
}

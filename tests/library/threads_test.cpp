// Threads that decide at once, through the C++ door and the C interface of the shared
// library, get what one thread gets: the same move and every traced cell, position by
// position, at every level.
#include <gtest/gtest.h>
#include <tulvo/engine.h>
#include <tulvo/tulvo.h>

#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kPositions = 24;
constexpr int kLevels = tulvo::kMaxLevel + 1;

struct Case {
  std::vector<unsigned char> cells;  // [y * size + x], as the C interface takes them
  int size, side;
  uint32_t seed;
};

// One answer, as either front end gives it.
struct Answer {
  int x, y;
  std::vector<tulvo_cell> trace;
  bool operator==(const Answer& other) const {
    if (x != other.x || y != other.y || trace.size() != other.trace.size()) return false;
    for (size_t i = 0; i < trace.size(); i++) {
      const tulvo_cell &a = trace[i], &b = other.trace[i];
      if (a.x != b.x || a.y != b.y || a.base_score != b.base_score || a.cell_score != b.cell_score || a.tier != b.tier)
        return false;
    }
    return true;
  }
};

// Random boards of every size and fill, a few of them openings.
std::vector<Case> RandomCases() {
  std::mt19937 random(31);
  std::vector<Case> cases;
  for (int p = 0; p < kPositions; p++) {
    Case c;
    c.size = 5 + int(random() % 16);
    c.side = 1 + int(random() % 2);
    c.seed = uint32_t(random());
    c.cells.assign(size_t(c.size * c.size), TULVO_EMPTY);
    const int stones = p % 6 == 0 ? int(random() % 3) : int(random() % unsigned(c.size * c.size / 2));
    for (int s = 0; s < stones; s++) c.cells[random() % c.cells.size()] = s % 2 == 0 ? TULVO_X : TULVO_O;
    cases.push_back(c);
  }
  return cases;
}

Answer ThroughTheDoor(const Case& c, int level) {
  tulvo::Request request;
  request.position.size = c.size;
  request.position.sideToMove = c.side;
  for (int y = 0; y < c.size; y++)
    for (int x = 0; x < c.size; x++) request.position.cells[x][y] = c.cells[size_t(y * c.size + x)];
  request.level = level;
  request.seed = c.seed;
  request.trace = true;
  const tulvo::Choice choice = tulvo::DecideMove(request);
  Answer answer = {choice.hasMove ? choice.x : -1, choice.hasMove ? choice.y : -1, {}};
  for (const tulvo::TracedCell& cell : choice.trace)
    answer.trace.push_back({cell.x, cell.y, cell.baseScore, cell.cellScore, cell.tier});
  return answer;
}

Answer ThroughTheCInterface(const Case& c, int level) {
  tulvo_move move;
  std::vector<tulvo_cell> cells(TULVO_MAX_CELLS);
  const int count = tulvo_analyze(c.cells.data(), c.size, c.side, level, c.seed, &move, cells.data(), TULVO_MAX_CELLS);
  cells.resize(size_t(count < 0 ? 0 : count));
  return {count < 0 ? -2 : move.x, move.y, cells};
}

enum class Front { kDoor, kCInterface, kAlternating };

struct ThreadsCase {
  int threads;
  Front front;
};

class Threads : public testing::TestWithParam<ThreadsCase> {};

TEST_P(Threads, EveryAnswerIsTheOneThreadsAnswer) {
  const std::vector<Case> cases = RandomCases();
  std::vector<Answer> expected;
  for (const Case& c : cases)
    for (int level = 0; level < kLevels; level++) expected.push_back(ThroughTheDoor(c, level));
  // The C interface agrees with the door, one call at a time.
  for (size_t i = 0; i < expected.size(); i++)
    ASSERT_EQ(ThroughTheCInterface(cases[i / kLevels], int(i % kLevels)), expected[i]) << "call " << i;

  const ThreadsCase param = GetParam();
  std::atomic<int> differing{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < param.threads; t++) {
    threads.emplace_back([&, t] {
      // Each thread starts at its own call, so different positions and levels run at once.
      for (size_t n = 0; n < 3 * expected.size(); n++) {
        const size_t i = (n + size_t(t) * 7) % expected.size();
        const bool door = param.front == Front::kDoor || (param.front == Front::kAlternating && (n + size_t(t)) % 2);
        const Case& c = cases[i / kLevels];
        const int level = int(i % kLevels);
        if (!((door ? ThroughTheDoor(c, level) : ThroughTheCInterface(c, level)) == expected[i])) differing++;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(differing.load(), 0) << "of " << 3 * expected.size() * size_t(param.threads) << " calls";
}

std::string NameOf(const testing::TestParamInfo<ThreadsCase>& info) {
  const char* const fronts[] = {"Door", "CInterface", "Alternating"};
  return std::string(fronts[int(info.param.front)]) + std::to_string(info.param.threads);
}

INSTANTIATE_TEST_SUITE_P(Library, Threads,
                         testing::Values(ThreadsCase{4, Front::kDoor}, ThreadsCase{8, Front::kDoor},
                                         ThreadsCase{4, Front::kCInterface}, ThreadsCase{8, Front::kCInterface},
                                         ThreadsCase{8, Front::kAlternating}),
                         NameOf);

}  // namespace

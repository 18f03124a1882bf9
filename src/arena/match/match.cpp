// Running a schedule of games, one after another or several at once.
#include "arena/match/match.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "platform/stopwatch.h"

namespace tulvo::arena {

static GameResult PlayJob(const MatchSetup& setup, const GameJob& job, const EngineFactory& factory) {
  const Pairing& pairing = setup.pairings[size_t(job.pairing)];
  const EngineCommand& first = setup.engines[size_t(pairing.first)];
  const EngineCommand& second = setup.engines[size_t(pairing.second)];
  Stopwatch clock;
  GameResult result = [&] {
    auto x = factory(job.firstIsX ? first : second);
    auto o = factory(job.firstIsX ? second : first);
    return PlayGame(*x, *o, setup.side, setup.openings[size_t(job.opening)], setup.timeLimitMs, setup.rules);
  }();
  result.wallMs = clock.Ms();
  return result;
}

std::vector<std::optional<GameResult>> RunMatch(const MatchSetup& setup, const std::vector<GameJob>& jobs,
                                                const EngineFactory& factory, const GameObserver& observer) {
  std::vector<std::optional<GameResult>> slots(jobs.size());
  std::atomic<size_t> next{0};
  std::atomic<bool> stopped{false};
  std::mutex reporting;
  int finished = 0;
  std::exception_ptr fault;
  // The first exception (a fault of the arena itself) stops every worker from
  // taking another game and is thrown again once they have all stopped.
  auto work = [&] {
    try {
      for (size_t i = next++; i < jobs.size() && !stopped; i = next++) {
        GameResult result = PlayJob(setup, jobs[i], factory);
        std::lock_guard lock(reporting);
        slots[i] = std::move(result);
        if (!observer(jobs[i], *slots[i], ++finished)) stopped = true;
      }
    } catch (...) {
      std::lock_guard lock(reporting);
      if (!fault) fault = std::current_exception();
      stopped = true;
    }
  };
  std::vector<std::thread> workers;
  for (int t = 1; t < setup.threads; t++) workers.emplace_back(work);
  work();
  for (auto& worker : workers) worker.join();
  if (fault) std::rethrow_exception(fault);
  return slots;
}

}  // namespace tulvo::arena

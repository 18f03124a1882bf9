// A match from its plan to its results.
#include "arena/cli/match_session.h"

#include <cstdio>
#include <fstream>
#include <set>

#include "arena/cli/match_settings.h"
#include "arena/engines/engine_process.h"
#include "arena/engines/preflight.h"
#include "arena/match/arena_fault.h"
#include "arena/records/results_document.h"
#include "arena/stats/results_table.h"
#include "common/exit_status.h"
#include "platform/durable_file.h"
#include "platform/process_channel.h"
#include "platform/stop_requests.h"

namespace tulvo::arena {

MatchSetup SetupOf(const ArenaOptions& options, const std::vector<Opening>& openings) {
  int count = int(options.engines.size());
  return {options.engines,
          options.gauntlet ? Gauntlet(count) : RoundRobin(count),
          openings,
          options.side,
          options.timeLimitMs,
          options.threads,
          options.rules};
}

MatchState ReplayJournal(const ArenaOptions& options, const MatchSetup& setup, const JournalHead& head,
                         const std::vector<JournalGame>& games) {
  MatchState state;
  state.tallies.resize(setup.pairings.size());
  state.total = options.shard.Whole()
                    ? head.scheduled
                    : int(ShardJobs(ScheduleGames(head.pairings, options.games, head.openings), options.shard).size());
  for (const JournalGame& game : games) state.Count(options, game);
  return state;
}

std::string ResultsText(const ArenaOptions& options, const MatchSetup& setup, const MatchState& state) {
  std::string text = MatchHeading(options);
  text += "\n\n";
  text += FormatResults(setup.engines, setup.pairings, state.tallies, options.stats);
  if (options.sprt) {
    text += "\n";
    text += SprtSummary(*options.sprt, options.stats, state.sprt, state.tallies[0]);
  }
  if (!options.shard.Whole())
    text += "\nShard " + options.shard.Name() + " of the match, " + CountOf(state.total, "game") +
            ": tulvo-arena merge gives the match's results from every shard's journal.\n";
  return text;
}

std::string WriteJsonResults(const ArenaOptions& options, const MatchSetup& setup, const MatchState& state) {
  if (options.jsonFile.empty()) return "";
  Json document = ResultsDocument(
      {setup.engines, setup.pairings, state.tallies, options.stats, options.sprt, state.sprt, state.total});
  std::ofstream out(options.jsonFile, std::ios::binary | std::ios::trunc);
  out << document.Text() << "\n";
  out.close();
  return out ? "" : "cannot write the results to " + options.jsonFile;
}

namespace {

// The jobs of the schedule that the state has not counted, in the schedule's order.
std::vector<GameJob> MissingJobs(const MatchPlan& plan, const MatchSetup& setup, const MatchState& state) {
  std::set<int> played;
  for (const JournalGame& game : state.games) played.insert(game.job.number);
  std::vector<GameJob> missing;
  for (const GameJob& job : ScheduleGames(int(setup.pairings.size()), plan.options.games, int(setup.openings.size()))) {
    if (played.count(job.number) == 0 && ShardOf(job, plan.options.shard.count) == plan.options.shard.index)
      missing.push_back(job);
  }
  return missing;
}

int Stopped(const MatchPlan& plan, const MatchSetup& setup, const MatchState& state, bool terminal) {
  int request = StopRequest();
  if (terminal) std::fputs("\n", stderr);
  std::fputs(ResultsText(plan.options, setup, state).c_str(), stdout);
  std::fflush(stdout);
  std::fprintf(stderr, "tulvo-arena: stopped by %s after %d of %d games", StopRequestName(request), state.played,
               state.total);
  if (plan.journalPath.empty() || plan.newJournal) {
    std::fputs("; no journal was kept (--journal FILE or -r DIR keeps one), so it cannot be resumed\n", stderr);
  } else {
    std::fprintf(stderr, "; the journal is %s. To resume:\n  %s\n", plan.journalPath.c_str(),
                 plan.resumeCommand.c_str());
  }
  return 128 + request;
}

// The engines can play, or one line why not.
std::string PreflightProblem(const MatchSetup& setup) {
  const GameRules& rules = setup.rules;
  int turnMs = rules.clock.TurnMs(setup.timeLimitMs);
  return CheckEngines(setup.engines, setup.side, {turnMs, rules.clock.matchMs, rules.rule}, rules.startMs,
                      LaunchEngine);
}

std::unique_ptr<AppendFile> OpenJournal(MatchPlan& plan, std::string& error) {
  if (plan.journalPath.empty()) return nullptr;
  auto journal = OpenAppendFile(plan.journalPath, error);
  if (journal && plan.newJournal && !journal->Append(HeadLine(plan.head))) {
    error = "cannot write the journal " + plan.journalPath;
    return nullptr;
  }
  if (journal) plan.newJournal = false;
  return journal;
}

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "tulvo-arena: %s\n", message.c_str());
  return status;
}

}  // namespace

int PlayMatch(MatchPlan& plan) {
  const ArenaOptions& options = plan.options;
  MatchSetup setup = SetupOf(options, plan.openings);
  MatchState state = ReplayJournal(options, setup, plan.head, plan.earlier.games);
  std::vector<GameJob> missing = MissingJobs(plan, setup, state);
  bool terminal = StandardErrorIsTerminal();
  WatchStopRequests();
  PrepareChildProcesses();
  bool play = !missing.empty() && !state.Decided();
  try {
    if (play) {
      std::string problem = PreflightProblem(setup);
      if (StopRequest() != 0) return Stopped(plan, setup, state, false);
      if (!problem.empty()) return Fail(problem, kUsageStatus);
    }
    std::string error;
    std::unique_ptr<AppendFile> journal = play || !plan.earlier.complete ? OpenJournal(plan, error) : nullptr;
    if (!error.empty()) return Fail(error, kUsageStatus);
    if (play) {
      GameHandler observer(options, setup, state, journal.get(), plan.journalPath, RecordsBefore(plan.head), terminal);
      RunMatch(setup, missing, LaunchEngine, std::ref(observer));
      if (StopRequest() != 0) return Stopped(plan, setup, state, terminal);
    }
    bool done = state.played == state.total || state.Decided();
    if (journal && done && !plan.earlier.complete &&
        !journal->Append(EndLine(state.Decided() ? "sprt" : "schedule", state.played)))
      throw ArenaFault("cannot write the journal " + plan.journalPath);
  } catch (const ArenaFault& fault) {
    if (terminal) std::fputs("\n", stderr);
    return Fail(std::string(fault.what()) + "; the match is stopped", 1);
  }
  if (terminal && play) std::fputs("\n", stderr);
  std::fputs(ResultsText(options, setup, state).c_str(), stdout);
  std::string problem = WriteJsonResults(options, setup, state);
  return problem.empty() ? 0 : Fail(problem, 1);
}

}  // namespace tulvo::arena

// What the arena does with each finished game.
#include "arena/cli/game_observer.h"

#include <cstdio>

#include "arena/cli/progress.h"
#include "arena/match/arena_fault.h"
#include "arena/records/game_record.h"
#include "arena/records/record_writer.h"
#include "platform/stop_requests.h"

namespace tulvo::arena {

std::optional<double> MatchState::Count(const ArenaOptions& options, const JournalGame& game) {
  PairingTally& tally = tallies[size_t(game.job.pairing)];
  tally.Record(game.job, game.result);
  played++;
  msPlayed += game.result.wallMs;
  games.push_back(game);
  if (!options.sprt) return std::nullopt;
  // A shard's games alone do not decide the match's test: the merge of all shards' does.
  if (!options.shard.Whole()) return tally.Llr(options.stats, *options.sprt);
  return JudgeSprt(*options.sprt, options.stats, tally, played, sprt);
}

GameHandler::GameHandler(const ArenaOptions& options, const MatchSetup& setup, MatchState& state, AppendFile* journal,
                         std::string journalPath, int recordsBefore, bool terminal)
    : options_(options),
      setup_(setup),
      state_(state),
      journal_(journal),
      journalPath_(std::move(journalPath)),
      recordsBefore_(recordsBefore),
      terminal_(terminal) {}

JournalGame GameHandler::Journalled(const GameJob& job, const GameResult& game) const {
  const Pairing& pairing = setup_.pairings[size_t(job.pairing)];
  const EngineCommand& first = setup_.engines[size_t(pairing.first)];
  const EngineCommand& second = setup_.engines[size_t(pairing.second)];
  return {job, game, job.firstIsX ? first.label : second.label, job.firstIsX ? second.label : first.label, {}};
}

bool GameHandler::operator()(const GameJob& job, const GameResult& game, int) {
  if (StopRequest() != 0) return false;
  JournalGame entry = Journalled(job, game);
  if (!options_.recordsDirectory.empty())
    entry.records = WriteRecords(options_.recordsDirectory, options_.recordFormats, recordsBefore_ + job.number, game,
                                 entry.x, entry.o);
  if (journal_ != nullptr && !journal_->Append(GameLine(entry)))
    throw ArenaFault("cannot write the journal " + journalPath_);
  if (options_.showBoards) {
    std::printf("game %d: x %s, o %s: %s\n%s\n", job.number + 1, entry.x.c_str(), entry.o.c_str(),
                ResultText(game).c_str(), FormatFinalBoard(game).c_str());
    std::fflush(stdout);
  }
  std::optional<double> llr = state_.Count(options_, entry);
  timed_++;
  msThisRun_ += game.wallMs;
  ShowProgress(entry, llr);
  return !state_.Decided() && StopRequest() == 0;
}

void GameHandler::ShowProgress(const JournalGame& game, std::optional<double> llr) const {
  const Pairing& pairing = setup_.pairings[size_t(game.job.pairing)];
  std::string name = setup_.engines[size_t(pairing.first)].label + " - " + setup_.engines[size_t(pairing.second)].label;
  long long left = MsLeft(msThisRun_, timed_, state_.total - state_.played, options_.threads);
  std::string line = ProgressText({state_.played, state_.total, name, state_.tallies[size_t(game.job.pairing)], llr,
                                   options_.sprt ? &*options_.sprt : nullptr, left});
  if (terminal_) std::fprintf(stderr, "\r\033[K%s", line.c_str());
  if (!terminal_ && options_.sprt) std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace tulvo::arena

// tulvo-arena merge: the journals of a match's shards as the results of one match.
#include "arena/cli/merge_command.h"

#include <cstdio>
#include <fstream>

#include "arena/cli/match_plans.h"
#include "arena/cli/match_session.h"
#include "arena/cli/progress.h"
#include "common/exit_status.h"
#include "common/parse_number.h"
#include "platform/pause.h"

namespace tulvo::arena {

std::optional<MergeRequest> ParseMergeRequest(const std::vector<std::string>& arguments, std::string& error) {
  MergeRequest request;
  for (size_t i = 0; i < arguments.size() && error.empty(); i++) {
    std::string word = arguments[i], value;
    size_t equals = word.rfind("--", 0) == 0 ? word.find('=') : std::string::npos;
    bool valued = word == "--interval" || word == "--json" || word == "--stats" || equals != std::string::npos;
    if (equals != std::string::npos) {
      value = word.substr(equals + 1);
      word.resize(equals);
    } else if (valued && i + 1 < arguments.size()) {
      value = arguments[++i];
    } else if (valued) {
      error = word + " needs a value";
    }
    if (word == "--follow") {
      request.follow = true;
      if (equals != std::string::npos) error = "--follow takes no value";
    } else if (word == "--interval") {
      std::optional<double> seconds = text::ParseDecimal(value);
      if (!seconds || *seconds < 0.01 || *seconds > 3600)
        error = "--interval does not accept '" + value + "': it takes seconds from 0.01 to 3600";
      request.intervalMs = int(seconds.value_or(0) * 1000 + 0.5);
    } else if (word == "--json") {
      request.jsonFile = value;
    } else if (word == "--stats") {
      request.given.insert(request.given.end(), {word, value});
    } else if (word.size() > 1 && word[0] == '-') {
      error = "merge does not know the option " + word;
    } else {
      request.journals.push_back(word);
    }
  }
  if (error.empty() && request.journals.empty()) error = "merge needs journals: merge [--follow] JOURNAL...";
  return error.empty() ? std::optional<MergeRequest>(request) : std::nullopt;
}

// Whether the file holds a whole first line: a shard's journal once it has begun.
static bool HasBegun(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  return std::getline(in, line) && !in.eof();
}

std::optional<MergedMatch> LoadMergedMatch(const MergeRequest& request, std::string& error) {
  std::vector<JournalFile> files;
  for (const std::string& path : request.journals) {
    if (request.follow && !HasBegun(path)) continue;
    std::optional<Journal> journal = ReadJournalFile(path, path, error);
    if (!journal) return std::nullopt;
    if (journal->torn && !request.follow)
      std::fprintf(stderr, "tulvo-arena: the last line of %s is torn; it is left out\n", path.c_str());
    files.push_back({path, *journal});
  }
  if (files.empty()) return std::nullopt;
  std::optional<MergedJournals> merged = MergeJournals(files, error);
  if (!merged) return std::nullopt;
  const JournalHead& head = merged->journal.head;
  std::vector<std::string> arguments = head.arguments;
  arguments.insert(arguments.end(), request.given.begin(), request.given.end());
  std::optional<ArenaOptions> options = ParseArenaOptions(arguments, error);
  if (!options) {
    error = files[0].path + " keeps a command line that is refused: " + error;
    return std::nullopt;
  }
  // The results of the whole match, written only where this command is told to.
  options->shard = Shard{};
  options->shardText.clear();
  options->jsonFile = request.jsonFile;
  MatchSetup setup = SetupOf(*options, std::vector<Opening>(size_t(head.openings)));
  MatchState state = ReplayJournal(*options, setup, head, merged->journal.games);
  return MergedMatch{*options, setup, state, *merged};
}

std::string MergedResultsText(const MergedMatch& match) {
  std::string missing = MissingGamesLine(match.merged);
  return ResultsText(match.options, match.setup, match.state) + (missing.empty() ? "" : "\n" + missing + ".\n");
}

// The running view: under an SPRT one line with the LLR, else the table.
static std::string RunningText(const MergedMatch& match) {
  if (!match.options.sprt) return MergedResultsText(match) + "\n";
  const Pairing& pairing = match.setup.pairings[0];
  std::string name =
      match.setup.engines[size_t(pairing.first)].label + " - " + match.setup.engines[size_t(pairing.second)].label;
  double llr = match.state.tallies[0].Llr(match.options.stats, *match.options.sprt);
  return ProgressText(
             {match.state.played, match.state.total, name, match.state.tallies[0], llr, &*match.options.sprt, -1}) +
         "\n";
}

// Every journal asked for is there and says that its part is complete.
static bool AllComplete(const MergeRequest& request, const MergedMatch& match) {
  return match.merged.present.size() == request.journals.size() && match.merged.journal.complete;
}

std::optional<MergedMatch> FollowJournals(const MergeRequest& request, const std::function<void(int)>& pause,
                                          const std::function<void(const std::string&)>& print, std::string& error) {
  int shown = -1;
  for (;;) {
    std::optional<MergedMatch> match = LoadMergedMatch(request, error);
    if (!error.empty()) return std::nullopt;
    if (match && (match->state.Decided() || AllComplete(request, *match))) return match;
    if (match && match->state.played != shown) {
      print(RunningText(*match));
      shown = match->state.played;
    }
    pause(request.intervalMs);
  }
}

int Merge(const std::vector<std::string>& arguments) {
  auto fail = [](const std::string& message) {
    std::fprintf(stderr, "tulvo-arena: %s\n", message.c_str());
    return kUsageStatus;
  };
  std::string error;
  std::optional<MergeRequest> request = ParseMergeRequest(arguments, error);
  if (!request) return fail(error);
  auto print = [](const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
  };
  std::optional<MergedMatch> match =
      request->follow ? FollowJournals(*request, PauseMs, print, error) : LoadMergedMatch(*request, error);
  if (!match) return fail(error);
  print(MergedResultsText(*match));
  std::string problem = WriteJsonResults(match->options, match->setup, match->state);
  return problem.empty() ? 0 : (fail(problem), 1);
}

}  // namespace tulvo::arena

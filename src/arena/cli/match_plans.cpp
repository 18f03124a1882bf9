// From a command line to a match's plan.
#include "arena/cli/match_plans.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "arena/cli/match_settings.h"
#include "arena/engines/engine_command.h"
#include "arena/match/opening_file.h"
#include "arena/records/game_record.h"
#include "arena/records/journal_merge.h"
#include "arena/records/record_writer.h"
#include "common/exit_status.h"
#include "platform/process_channel.h"

namespace tulvo::arena {

namespace {

std::optional<std::string> ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The openings of the match, with their variants and in their playing order.
std::optional<std::vector<Opening>> LoadOpenings(const ArenaOptions& options, std::string& error) {
  std::optional<std::vector<Opening>> openings;
  if (options.openingsFile.empty()) {
    openings = RandomOpenings((options.games + 1) / 2, options.openingStones, options.side, options.seed);
  } else if (std::optional<std::string> text = ReadText(options.openingsFile)) {
    openings = ParseOpenings(*text, options.side, options.openingFormat, error);
  } else {
    error = "cannot read " + options.openingsFile;
  }
  if (openings && options.transform) openings = WithTransforms(*openings, options.side);
  if (openings && options.randomOrder) openings = Shuffled(*openings, options.seed);
  return openings;
}

// One line when --draw-after would end a game before its first move, else "".
std::string DrawAfterProblem(int drawAfter, const std::vector<Opening>& openings) {
  for (size_t i = 0; i < openings.size(); i++) {
    if (drawAfter > 0 && drawAfter <= int(openings[i].size())) {
      return "--draw-after " + std::to_string(drawAfter) + " must be above the opening's length: opening " +
             std::to_string(i + 1) + " has " + CountOf(static_cast<long long>(openings[i].size()), "stone");
    }
  }
  return "";
}

// The openings, once every setting that concerns them can apply.
std::optional<std::vector<Opening>> CheckedOpenings(const ArenaOptions& options, std::string& error) {
  if (error = InfoForFileEngine(options.engines); !error.empty()) return std::nullopt;
  auto openings = LoadOpenings(options, error);
  if (openings) error = DrawAfterProblem(options.rules.drawAfter, *openings);
  return error.empty() ? openings : std::nullopt;
}

bool HoldsText(const std::string& path) {
  std::error_code fault;
  return std::filesystem::exists(path, fault) && std::filesystem::file_size(path, fault) > 0 && !fault;
}

// The journal of a new match: --journal's file, which must hold no other match, or
// in the records folder the first of journal.jsonl, journal-2.jsonl... that is free.
std::string NewJournalPath(const ArenaOptions& options, std::string& error) {
  if (!options.journalFile.empty()) {
    if (HoldsText(options.journalFile))
      error = options.journalFile + " holds a journal already: go on with it with --resume " + options.journalFile +
              ", or give another file";
    return options.journalFile;
  }
  if (options.recordsDirectory.empty()) return "";
  std::filesystem::path folder(options.recordsDirectory);
  std::string path = (folder / "journal.jsonl").generic_string();
  for (int n = 2; HoldsText(path); n++) path = (folder / ("journal-" + std::to_string(n) + ".jsonl")).generic_string();
  if (path != (folder / "journal.jsonl").generic_string())
    std::fprintf(stderr, "tulvo-arena: %s holds an earlier match's journal; this match's is %s\n",
                 (folder / "journal.jsonl").generic_string().c_str(), path.c_str());
  return path;
}

// The records before this match's in its folder, -1 with error set.
int PrepareRecords(const ArenaOptions& options, std::string& error) {
  if (options.recordsDirectory.empty()) return 0;
  if (error = RecordsFolderProblem(options.recordsDirectory); !error.empty()) return -1;
  int before = LastRecordInFolder(options.recordsDirectory, error);
  if (before > 0)
    std::fprintf(stderr, "tulvo-arena: %s holds records up to %s; this match's records start at %s\n",
                 options.recordsDirectory.c_str(), RecordFileName(before - 1, "*").c_str(),
                 RecordFileName(before, "*").c_str());
  return before;
}

std::string ResumeCommand(const std::string& program, const std::string& journal) {
  return ShellCommandLine({program, "--resume", journal});
}

}  // namespace

std::optional<Journal> ReadJournalFile(const std::string& path, const std::string& name, std::string& error) {
  std::optional<std::string> text = ReadText(path);
  if (!text) {
    error = "cannot read the journal " + name;
    return std::nullopt;
  }
  std::string fault;
  std::optional<Journal> journal = ReadJournal(*text, fault);
  if (!journal) error = name + " is no journal of a match: " + fault;
  return journal;
}

namespace {

// "" when the journal plays shard, else why it cannot go on as that shard.
std::string ShardChange(const Journal& journal, const std::string& path, Shard shard) {
  std::optional<Shard> played = JournalShard(journal.head);
  if (!played) return path + " names no shard of its match on its first line";
  if (*played == shard) return "";
  auto name = [](Shard s) { return s.Whole() ? std::string("the whole match") : "shard " + s.Name(); };
  return "cannot resume " + path + " as " + name(shard) + ": it is the journal of " + name(*played);
}

// "" when the results can be written to --json's file at the end, else why not. A
// file that was not there is not left behind.
std::string JsonFileProblem(const std::string& path) {
  if (path.empty()) return "";
  std::error_code fault;
  bool existed = std::filesystem::exists(path, fault);
  bool writable = bool(std::ofstream(path, std::ios::binary | std::ios::app));
  if (writable && !existed) std::filesystem::remove(path, fault);
  return writable ? "" : "cannot write the results to " + path;
}

// The journal's options, then those given here, then the engines given here or, when
// none are, the journal's.
std::vector<std::string> ResumedArguments(const JournalHead& head, const std::vector<std::string>& options,
                                          const std::vector<std::string>& engines) {
  std::string error;
  std::optional<ArenaOptions> kept = ParseArenaOptions(head.arguments, error);
  std::vector<std::string> arguments = kept ? kept->optionTexts : std::vector<std::string>{};
  for (size_t i = 0; i < options.size(); i++) {
    bool resume = options[i] == "--resume" || options[i].rfind("--resume=", 0) == 0;
    if (resume) i += options[i] == "--resume";
    if (!resume) arguments.push_back(options[i]);
  }
  const std::vector<std::string>& played = engines.empty() && kept ? kept->engineTexts : engines;
  arguments.insert(arguments.end(), played.begin(), played.end());
  return arguments;
}

}  // namespace

std::optional<MatchPlan> NewMatchPlan(const ArenaOptions& options, const std::string& program, std::string& error) {
  MatchPlan plan{options, {}, {}, {}, "", true, ""};
  if (!ApplyShard(plan.options, error)) return std::nullopt;
  auto openings = CheckedOpenings(options, error);
  if (!openings) return std::nullopt;
  plan.openings = *openings;
  int recordsBefore = PrepareRecords(options, error);
  if (recordsBefore < 0) return std::nullopt;
  plan.journalPath = NewJournalPath(options, error);
  if (error.empty()) error = JsonFileProblem(options.jsonFile);
  if (!error.empty()) return std::nullopt;
  plan.head = NewJournalHead(options, plan.openings, std::filesystem::current_path().generic_string(), recordsBefore);
  plan.head.shard = ShardValue(plan.options.shard);
  plan.resumeCommand = ResumeCommand(program, plan.journalPath);
  return plan;
}

std::optional<MatchPlan> ResumePlan(const ArenaOptions& given, const std::string& program, std::string& error) {
  std::string path = std::filesystem::absolute(given.resumeFile).generic_string();
  std::optional<Journal> journal = ReadJournalFile(path, given.resumeFile, error);
  if (!journal) return std::nullopt;
  std::error_code moved;
  std::filesystem::current_path(journal->head.directory, moved);
  if (moved) {
    error = "cannot go to " + journal->head.directory + ", where the match of " + given.resumeFile + " ran";
    return std::nullopt;
  }
  std::optional<ArenaOptions> options =
      ParseArenaOptions(ResumedArguments(journal->head, given.optionTexts, given.engineTexts), error);
  if (!options || !ApplyShard(*options, error)) return std::nullopt;
  if (error = ShardChange(*journal, given.resumeFile, options->shard); !error.empty()) return std::nullopt;
  options->journalFile = path;
  auto openings = CheckedOpenings(*options, error);
  if (!openings) return std::nullopt;
  Json settings = MatchSettings(*options, *openings);
  if (Fingerprint(settings) != journal->head.fingerprint) {
    std::string difference = SettingsDifference(journal->head.settings, settings);
    error = "cannot resume " + given.resumeFile + ": " + (difference.empty() ? "its fingerprint is wrong" : difference);
    return std::nullopt;
  }
  if (journal->torn) {
    std::fprintf(stderr,
                 "tulvo-arena: the last line of %s is torn (the arena was ended while writing it); it is left "
                 "out, and its game is played again\n",
                 given.resumeFile.c_str());
    std::filesystem::resize_file(path, journal->wholeBytes);
  }
  MatchPlan plan{*options, *openings, journal->head, *journal, path, false, ResumeCommand(program, given.resumeFile)};
  if (!options->recordsDirectory.empty()) error = RecordsFolderProblem(options->recordsDirectory);
  if (error.empty()) error = JsonFileProblem(options->jsonFile);
  return error.empty() ? std::optional<MatchPlan>(plan) : std::nullopt;
}

int Report(const std::vector<std::string>& arguments) {
  auto fail = [](const std::string& message) {
    std::fprintf(stderr, "tulvo-arena: %s\n", message.c_str());
    return kUsageStatus;
  };
  if (arguments.empty() || arguments[0].rfind("-", 0) == 0) return fail("report needs a journal: report JOURNAL");
  std::string error;
  std::optional<Journal> journal = ReadJournalFile(arguments[0], arguments[0], error);
  if (!journal) return fail(error);
  // The journal's --json was the match's own: a report writes only where it is told.
  std::vector<std::string> given{"--json="};
  given.insert(given.end(), arguments.begin() + 1, arguments.end());
  std::optional<ArenaOptions> options = ParseArenaOptions(ResumedArguments(journal->head, given, {}), error);
  if (!options || !ApplyShard(*options, error)) return fail(error);
  if (journal->torn)
    std::fprintf(stderr, "tulvo-arena: the last line of %s is torn; it is left out\n", arguments[0].c_str());
  std::vector<Opening> openings(size_t(journal->head.openings));
  MatchSetup setup = SetupOf(*options, openings);
  MatchState state = ReplayJournal(*options, setup, journal->head, journal->games);
  std::fputs(ResultsText(*options, setup, state).c_str(), stdout);
  std::string problem = WriteJsonResults(*options, setup, state);
  return problem.empty() ? 0 : (fail(problem), 1);
}

}  // namespace tulvo::arena

// From a command line to a match's plan: a new match, or one that goes on from its
// journal.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/cli/match_session.h"

namespace tulvo::arena {

// The plan of a new match; nullopt with error set to one line when a setting
// cannot apply (a bad opening file, a journal that holds a match already...).
std::optional<MatchPlan> NewMatchPlan(const ArenaOptions& options, const std::string& program, std::string& error);

// The plan that goes on with the journal options.resumeFile names, with the
// options and engines the journal keeps (and those given here after them, which
// must not change what is played). Changes to the match's folder.
std::optional<MatchPlan> ResumePlan(const ArenaOptions& given, const std::string& program, std::string& error);

// The journal at path, which messages call name, or nullopt with error set to one
// line: the file cannot be read, or it is no journal.
std::optional<Journal> ReadJournalFile(const std::string& path, const std::string& name, std::string& error);

// tulvo-arena report JOURNAL [--json FILE] [--stats MODEL] [--sprt ...]: prints the
// results the journal holds. The exit status.
int Report(const std::vector<std::string>& arguments);

}  // namespace tulvo::arena

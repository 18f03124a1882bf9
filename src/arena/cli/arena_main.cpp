// Entry point of tulvo-arena: plays a match between engines, goes on with one from
// its journal, or reports a journal's results, and prints the results.
#include <cstdio>

#include "arena/cli/arena_options.h"
#include "arena/cli/match_plans.h"
#include "arena/cli/match_session.h"
#include "arena/cli/merge_command.h"
#include "common/exit_status.h"

int main(int argc, char** argv) {
  using namespace tulvo::arena;
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (!arguments.empty() && arguments[0] == "report") return Report({arguments.begin() + 1, arguments.end()});
  if (!arguments.empty() && arguments[0] == "merge") return Merge({arguments.begin() + 1, arguments.end()});
  std::string error;
  auto options = ParseArenaOptions(arguments, error);
  if (!options) {
    std::fprintf(stderr, "tulvo-arena: %s\n%s", error.c_str(), kArenaUsage);
    return tulvo::kUsageStatus;
  }
  if (options->help || options->version) {
    std::fputs(options->help ? kArenaUsage : "tulvo-arena " TULVO_VERSION "\n", stdout);
    return 0;
  }
  auto plan =
      options->resumeFile.empty() ? NewMatchPlan(*options, argv[0], error) : ResumePlan(*options, argv[0], error);
  if (!plan) {
    std::fprintf(stderr, "tulvo-arena: %s\n", error.c_str());
    return tulvo::kUsageStatus;
  }
  return PlayMatch(*plan);
}

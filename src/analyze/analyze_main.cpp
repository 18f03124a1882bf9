// Entry point of tulvo-analyze: options, one engine run, the picture or the data.
#include <tulvo/file_protocol.h>
#include <tulvo/platform.h>

#include <cstdio>
#include <cstdlib>

#include "analyze/analysis.h"
#include "analyze/analyze_input.h"
#include "analyze/picture_output.h"
#include "analyze/tsv_output.h"
#include "common/exit_status.h"

namespace tulvo::analyze {

// A board the reader refuses: its message and what it means on standard error.
constexpr int kBadBoardStatus = 1;

static void Write(const std::string& text) { PlatformWriteConsole(text.data(), int(text.size())); }

}  // namespace tulvo::analyze

int main(int argc, char** argv) {
  using namespace tulvo::analyze;
  tulvo::PlatformStart(argc, argv);
  std::vector<std::string> arguments;
  for (int i = 0; i < tulvo::PlatformArgumentCount(); i++) arguments.push_back(tulvo::PlatformArgument(i));
  ParsedOptions parsed = ParseAnalyzeOptions(arguments);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s\n", parsed.error.c_str());
    return tulvo::kUsageStatus;
  }
  if (parsed.options.help || parsed.options.version) {
    Write(parsed.options.help ? kAnalyzeUsage : kAnalyzeVersion);
    return 0;
  }
  const uint32_t seed = SeedOf(parsed.options);
  const Input input = LoadInput(parsed.options);
  if (!input.error.empty()) {
    std::fprintf(stderr, "%s\n", input.error.c_str());
    return tulvo::kUsageStatus;
  }
  if (!input.read.ok) {
    std::fprintf(stderr, "%s\ntulvo-analyze: %s\n", input.read.message.c_str(), input.read.explanation.c_str());
    return kBadBoardStatus;
  }
  const Analysis analysis = Analyze(tulvo::RequestOfBoard(input.read, parsed.options.level, seed));
  bool tsv = parsed.options.format == OutputFormat::kTsv;
  Write(tsv ? FormatTsv(analysis)
            : FormatPicture(analysis,
                            PictureInColour(tulvo::PlatformStandardOutputIsTerminal(), std::getenv("NO_COLOR"))));
  return 0;
}

// Entry point of tulvo-analyze: options, one engine run, the picture or the data.
#include <cstdio>

#include "analyze/analysis.h"
#include "analyze/os_access.h"
#include "analyze/picture_output.h"
#include "analyze/tsv_output.h"
#include "driver/platform.h"

static void Write(const std::string& text) { PlatformWriteConsole(text.data(), int(text.size())); }

int main(int argc, char** argv) {
  PlatformStart(argc, argv);
  std::vector<std::string> arguments;
  for (int i = 0; i < PlatformArgumentCount(); i++) arguments.push_back(PlatformArgument(i));
  ParsedOptions parsed = ParseAnalyzeOptions(arguments);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s\n", parsed.error.c_str());
    return 2;
  }
  if (parsed.options.help) {
    Write(kAnalyzeUsage);
    return 0;
  }
  Analysis analysis;
  std::string error = AnalyzePosition(parsed.options, analysis);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  bool tsv = parsed.options.format == OutputFormat::kTsv;
  Write(tsv ? FormatTsv(analysis) : FormatPicture(analysis, StandardOutputIsTerminal()));
  return 0;
}

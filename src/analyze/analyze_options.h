// The command line of tulvo-analyze: the input path and the options that steer a run.
#pragma once

#include <tulvo/engine.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tulvo::analyze {

enum class OutputFormat { kPicture, kTsv };

struct AnalyzeOptions {
  std::string input;  // a board file, or a folder holding plocha.dat and tah.dat
  int side = 0;       // 0: from tah.dat; 1: X to move; 2: O to move
  int level = tulvo::kDefaultLevel;
  bool seedGiven = false;
  uint32_t seed = 0;
  OutputFormat format = OutputFormat::kPicture;
  bool help = false;
  bool version = false;
};

struct ParsedOptions {
  AnalyzeOptions options;
  std::string error;  // one line naming the refused argument; empty when all were taken
};

extern const char kAnalyzeUsage[];
extern const char kAnalyzeVersion[];

ParsedOptions ParseAnalyzeOptions(const std::vector<std::string>& arguments);

}  // namespace tulvo::analyze

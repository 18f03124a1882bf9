// A folder is read as the file program's working directory; a board file is read
// under its own name from its folder, with tah.dat beside it.
#include "analyze/analyze_input.h"

#include <tulvo/platform.h>

#include "file_protocol/protocol_files.h"

namespace tulvo::analyze {

namespace {

struct InputPlace {
  std::string folder;
  std::string boardName;
};

// "games/7" (a folder) -> games/7 + plocha.dat; "games/7/B.dat" -> games/7 + B.dat;
// "B.dat" -> . + B.dat.
InputPlace PlaceOf(const std::string& input) {
  if (PlatformIsFolder(input.c_str())) return {input, "plocha.dat"};
  size_t slash = PlatformLastFolderSeparator(input);
  if (slash == std::string::npos) return {".", input};
  return {slash == 0 ? "/" : input.substr(0, slash), input.substr(slash + 1)};
}

}  // namespace

Input LoadInput(const AnalyzeOptions& options) {
  InputPlace place = PlaceOf(options.input);
  if (!PlatformIsFolder(place.folder.c_str())) return {"tulvo-analyze: cannot enter folder '" + place.folder + "'", {}};
  return {"", file_protocol::ReadProtocolFiles(place.folder.c_str(), place.boardName.c_str(), options.side)};
}

}  // namespace tulvo::analyze

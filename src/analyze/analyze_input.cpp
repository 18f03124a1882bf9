// A folder is read as the file program's working directory; a board file is read
// under its own name from its folder, with tah.dat beside it.
#include "analyze/analyze_input.h"

#include "analyze/os_access.h"
#include "driver/board_reader.h"
#include "driver/position.h"

namespace {

struct InputPlace {
  std::string folder;
  std::string boardName;
};

// "games/7" (a folder) -> games/7 + plocha.dat; "games/7/B.dat" -> games/7 + B.dat;
// "B.dat" -> . + B.dat.
InputPlace PlaceOf(const std::string& input) {
  if (IsFolder(input)) return {input, "plocha.dat"};
  size_t slash = LastFolderSeparator(input);
  if (slash == std::string::npos) return {".", input};
  return {slash == 0 ? "/" : input.substr(0, slash), input.substr(slash + 1)};
}

}  // namespace

std::string LoadInput(const AnalyzeOptions& options) {
  InputPlace place = PlaceOf(options.input);
  if (!EnterFolder(place.folder)) return "tulvo-analyze: cannot enter folder '" + place.folder + "'";
  ReadPositionFiles(place.boardName.c_str(), options.side == 0);
  if (options.side != 0) sideToMove = options.side;
  return "";
}

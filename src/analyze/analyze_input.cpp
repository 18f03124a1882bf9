// A folder is read as the file program's working directory; a board file is read
// under its own name from its folder, with tah.dat beside it.
#include "analyze_input.h"

#include "os_access.h"
#include "tulvo/platform.h"

namespace tulvo::analyze {

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

// One byte more than the reader takes, so that a longer file shows its size fault.
constexpr int64_t kMostBytesRead = 448;

struct FileBytes {
  bool opened = false;  // opened and sized
  bool failed = false;  // a read or the close failed
  std::string bytes;
};

// The file's bytes through the platform, as the file program reads the board.
FileBytes ReadFileBytes(const std::string& name, int64_t limit) {
  FileBytes file;
  FileHandle handle = PlatformOpenExisting(name.c_str());
  if (handle == kNoFile) return file;
  int64_t size = PlatformFileSize(handle);
  file.opened = size >= 0;
  if (file.opened) {
    file.bytes.resize(size_t(size < limit ? size : limit));
    int count = int(file.bytes.size());
    file.failed = count > 0 && PlatformReadFile(handle, file.bytes.data(), count) != count;
  }
  file.failed = !PlatformCloseFile(handle) || file.failed;
  return file;
}

}  // namespace

Input LoadInput(const AnalyzeOptions& options) {
  InputPlace place = PlaceOf(options.input);
  if (!EnterFolder(place.folder)) return {"tulvo-analyze: cannot enter folder '" + place.folder + "'", {}};
  FileBytes board = ReadFileBytes(place.boardName, kMostBytesRead);
  if (!board.opened) return {"", tulvo::BoardFileUnreadable()};
  int side = options.side;
  bool failed = board.failed;
  if (side == 0) {
    FileBytes tah = ReadFileBytes("tah.dat", 1);
    failed = failed || !tah.opened || tah.failed || tah.bytes.empty();
    side = tulvo::SideOfTahText(tah.bytes);
  }
  tulvo::BoardRead read = tulvo::ReadBoardText(board.bytes, side);
  if (read.ok && failed) read = tulvo::FilesUnreadable();
  return {"", read};
}

}  // namespace tulvo::analyze

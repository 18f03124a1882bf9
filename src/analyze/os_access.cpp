// POSIX answers for tulvo-analyze: isatty on standard output, and stat.
#include "analyze/os_access.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tulvo::analyze {

bool StandardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

bool IsFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

size_t LastFolderSeparator(const std::string& path) { return path.rfind('/'); }

}  // namespace tulvo::analyze

// Windows answers for tulvo-analyze: a console that shows colours, folder tests and
// entering a folder through the Win32 API; both slashes separate folders.
#include <windows.h>

#include "analyze/os_access.h"

namespace tulvo::analyze {

// Colours only on a console that takes terminal escape sequences: they are switched
// on here, and where the console refuses them the picture goes out plain.
bool StandardOutputIsTerminal() {
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(console, &mode)) return false;
  return SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

size_t LastFolderSeparator(const std::string& path) { return path.find_last_of("/\\"); }

}  // namespace tulvo::analyze

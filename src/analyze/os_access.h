// The few questions tulvo-analyze asks the operating system beyond the platform
// module: whether standard output is a terminal, and whether a path is a folder.
#pragma once

#include <string>

namespace tulvo::analyze {

bool StandardOutputIsTerminal();
bool IsFolder(const std::string& path);
// Where the folder part of path ends: its last folder separator, or npos.
size_t LastFolderSeparator(const std::string& path);

}  // namespace tulvo::analyze

// The few questions tulvo-analyze asks the operating system beyond the platform
// module: whether standard output is a terminal, and entering the input's folder.
#pragma once

#include <string>

namespace tulvo::analyze {

bool StandardOutputIsTerminal();
bool IsFolder(const std::string& path);
// Where the folder part of path ends: its last folder separator, or npos.
size_t LastFolderSeparator(const std::string& path);
// Makes path the working directory, so that the reader finds the protocol files in it.
bool EnterFolder(const std::string& path);

}  // namespace tulvo::analyze

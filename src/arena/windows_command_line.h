// Building a Windows command line from words, the reverse of how the Windows C
// runtime splits one: pure code, built everywhere so that it is tested on Linux.
#pragma once

#include <string>
#include <vector>

namespace tulvo::arena {

// The program name in double quotes (it cannot hold one), then each argument,
// quoted when it is empty or holds a blank, a tab or a double quote, with the
// backslashes before a quote doubled, so that the child sees the very words.
std::string JoinWindowsCommandLine(const std::vector<std::string>& words);

}  // namespace tulvo::arena

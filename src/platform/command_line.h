// Windows command lines: split into the program name and its arguments, as the C
// runtime splits them, and joined from words, the reverse. Pure code, built everywhere
// so that it is tested on Linux.
#pragma once

#include <string>
#include <vector>

namespace tulvo {

// The words of line as the Windows C runtime hands them to main: element 0 is the
// program name (up to the first blank or tab outside double quotes, quotes dropped,
// backslashes kept); each further element is one argument, where blanks and tabs
// outside double quotes separate arguments, a double quote toggles quoting, two
// double quotes inside quotes give one literal quote, and backslashes are literal
// except before a double quote: 2n of them give n and the quote still toggles,
// 2n + 1 give n and a literal quote.
std::vector<std::string> SplitWindowsCommandLine(const char* line);

// The program name in double quotes (it cannot hold one), then each argument,
// quoted when it is empty or holds a blank, a tab or a double quote, with the
// backslashes before a quote doubled, so that the child sees the very words.
std::string JoinWindowsCommandLine(const std::vector<std::string>& words);

}  // namespace tulvo

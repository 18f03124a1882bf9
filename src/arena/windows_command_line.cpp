// Building a Windows command line from words.
#include "arena/windows_command_line.h"

namespace tulvo::arena {

namespace {

std::string QuoteArgument(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\n\v\"") == std::string::npos) return word;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : word) {
    if (c == '\\') {
      backslashes++;
      continue;
    }
    // Backslashes before a quote are doubled and the quote escaped; others stay as they are.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    quoted += c;
    backslashes = 0;
  }
  // Before the closing quote, backslashes are doubled so that it still closes.
  quoted.append(2 * backslashes, '\\');
  return quoted.append(1, '"');
}

}  // namespace

std::string JoinWindowsCommandLine(const std::vector<std::string>& words) {
  std::string line;
  line.append(1, '"').append(words[0]).append(1, '"');
  for (size_t i = 1; i < words.size(); i++) line.append(1, ' ').append(QuoteArgument(words[i]));
  return line;
}

}  // namespace tulvo::arena

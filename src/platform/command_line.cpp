// Windows command lines, split and joined with the C runtime's quoting and backslash
// rules.
#include "platform/command_line.h"

namespace tulvo {

static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: quotes only group, nothing is escaped. Returns the position
// after the name.
static const char* TakeProgramName(const char* p, std::string& name) {
  bool quoted = false;
  for (; *p != '\0' && (quoted || !IsBlank(*p)); p++) {
    if (*p == '"') {
      quoted = !quoted;
    } else {
      name += *p;
    }
  }
  return p;
}

// One argument starting at a non-blank character. Returns the position after it.
static const char* TakeArgument(const char* p, std::string& argument) {
  bool quoted = false;
  while (*p != '\0' && (quoted || !IsBlank(*p))) {
    if (*p != '\\' && *p != '"') {
      argument += *p++;
      continue;
    }
    size_t backslashes = 0;
    for (; *p == '\\'; p++) backslashes++;
    if (*p != '"') {
      argument.append(backslashes, '\\');  // not before a quote: literal
      continue;
    }
    argument.append(backslashes / 2, '\\');
    if (backslashes % 2 == 1) {
      argument += '"';  // \" is a literal quote
    } else if (quoted && p[1] == '"') {
      argument += '"';  // "" inside quotes is a literal quote; quoting goes on
      p++;
    } else {
      quoted = !quoted;
    }
    p++;
  }
  return p;
}

std::vector<std::string> SplitWindowsCommandLine(const char* line) {
  std::vector<std::string> words(1);
  const char* p = TakeProgramName(line, words[0]);
  for (;;) {
    while (IsBlank(*p)) p++;
    if (*p == '\0') return words;
    words.emplace_back();
    p = TakeArgument(p, words.back());
  }
}

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

}  // namespace tulvo

// Command words and number lists of the pipe protocol.
#include "pbrain/command.h"

#include <vector>

#include "common/parse_number.h"

namespace tulvo::pbrain {

constexpr int kNumberLimit = 1000000;
constexpr size_t kQuoteLength = 40;

static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(const std::string& text) {
  size_t first = 0, end = text.size();
  while (first < end && IsBlank(text[first])) first++;
  while (end > first && IsBlank(text[end - 1])) end--;
  return text.substr(first, end - first);
}

Command SplitWord(const std::string& text) {
  std::string trimmed = TrimBlanks(text);
  size_t split = 0;
  while (split < trimmed.size() && !IsBlank(trimmed[split])) split++;
  return {trimmed.substr(0, split), TrimBlanks(trimmed.substr(split))};
}

Command ParseCommand(const std::string& line) {
  Command command = SplitWord(line);
  for (char& c : command.word)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return command;
}

// One optionally signed decimal integer filling the whole (trimmed) field.
static bool ParseNumber(const std::string& field, int& value) {
  std::optional<int64_t> number =
      text::ParseInteger(TrimBlanks(field), -kNumberLimit, kNumberLimit, text::OutOfRange::kHeldAtBound);
  if (number) value = int(*number);
  return number.has_value();
}

bool ParseNumbers(const std::string& text, int count, int* values) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == ',')
      fields.emplace_back();
    else
      fields.back().push_back(c);
  }
  if (int(fields.size()) != count) return false;
  for (int i = 0; i < count; i++)
    if (!ParseNumber(fields[size_t(i)], values[i])) return false;
  return true;
}

std::string Quote(const std::string& text) {
  std::string quoted = text.substr(0, kQuoteLength);
  for (char& c : quoted)
    if (c < ' ' || c > '~') c = '?';
  if (text.size() > kQuoteLength) quoted += "...";
  return quoted;
}

}  // namespace tulvo::pbrain

// Reading engine descriptions such as "file:build/bin/tulvo /3".
#include "arena/engine_command.h"

#include <map>

namespace tulvo::arena {

std::optional<std::vector<std::string>> SplitEngineCommand(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  char quote = 0;
  for (char c : text) {
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
      } else {
        word += c;
      }
    } else if (c == '"' || c == '\'') {
      quote = c;
      inWord = true;
    } else if (c == ' ' || c == '\t') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quote != 0) return std::nullopt;
  if (inWord) words.push_back(word);
  return words;
}

// Paths are cut to their last part: "build/bin/tulvo /3" and "C:\e\tulvo.exe /3" are
// labelled "tulvo /3" and "tulvo.exe /3". A word whose only slash comes first, such
// as the level argument /3, is no path.
static std::string LabelOf(const std::vector<std::string>& command) {
  std::string label;
  for (const std::string& word : command) {
    size_t slash = word.find_last_of("/\\");
    bool path =
        slash != std::string::npos && slash + 1 < word.size() && word.find_first_of("/\\", 1) != std::string::npos;
    label.append(label.empty() ? "" : " ").append(path ? word.substr(slash + 1) : word);
  }
  return label;
}

std::optional<EngineCommand> ParseEngineCommand(const std::string& text, std::string& error) {
  size_t colon = text.find(':');
  std::string kind = colon == std::string::npos ? "" : text.substr(0, colon);
  if (kind != "file" && kind != "pipe") {
    error = "engine '" + text + "' must start with file: or pipe:";
    return std::nullopt;
  }
  auto command = SplitEngineCommand(text.substr(colon + 1));
  if (!command || command->empty()) {
    error = command ? "engine '" + text + "' has no command" : "engine '" + text + "' has an unclosed quote";
    return std::nullopt;
  }
  return EngineCommand{kind == "file" ? Protocol::kFile : Protocol::kPipe, *command, LabelOf(*command)};
}

void MakeLabelsUnique(std::vector<EngineCommand>& commands) {
  std::map<std::string, int> seen;
  for (auto& command : commands) {
    int count = ++seen[command.label];
    if (count > 1) command.label.append("#").append(std::to_string(count));
  }
}

}  // namespace tulvo::arena

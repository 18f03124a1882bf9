// Reading engine descriptions such as "file:build/bin/tulvo /3".
#include "arena/engines/engine_command.h"

#include <map>

#include "common/parse_number.h"

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
// as the level argument /3, is no path. A label longer than kLabelWidth keeps its
// first word and as many of its last words as fit, which name the program and the
// arguments that tell engines apart: "faketime ... tulvo /3".
static std::string LabelOf(const std::vector<std::string>& command) {
  std::vector<std::string> words;
  std::string label;
  for (const std::string& word : command) {
    size_t slash = word.find_last_of("/\\");
    bool path =
        slash != std::string::npos && slash + 1 < word.size() && word.find_first_of("/\\", 1) != std::string::npos;
    words.push_back(path ? word.substr(slash + 1) : word);
    label.append(label.empty() ? "" : " ").append(words.back());
  }
  if (label.size() <= kLabelWidth) return label;
  std::string tail;
  for (size_t i = words.size() - 1; i >= 1; i--) {
    std::string longer = words[i] + (tail.empty() ? "" : " " + tail);
    if (words[0].size() + 5 + longer.size() > kLabelWidth) break;
    tail = longer;
  }
  label = words[0] + " ..." + (tail.empty() ? "" : " " + tail);
  return label.size() <= kLabelWidth ? label : label.substr(0, kLabelWidth - 3) + "...";
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

static bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// The engine that "N" names, counted from 1; nullptr when there is none.
static EngineCommand* EngineNumbered(std::vector<EngineCommand>& engines, const std::string& number) {
  std::optional<int64_t> n = text::ParseInteger(number, 1, int64_t(engines.size()));
  return n ? &engines[size_t(*n - 1)] : nullptr;
}

static std::string EngineRange(const std::vector<EngineCommand>& engines) {
  return "N from 1 to " + std::to_string(engines.size());
}

bool ApplyEngineName(std::vector<EngineCommand>& engines, const std::string& value, std::string& error) {
  size_t equals = value.find('=');
  EngineCommand* engine = equals == std::string::npos ? nullptr : EngineNumbered(engines, value.substr(0, equals));
  std::string label = equals == std::string::npos ? "" : value.substr(equals + 1);
  if (engine == nullptr || label.empty() || HasLineBreak(label)) {
    error = "--name needs N=LABEL, with " + EngineRange(engines) + " and a label of one line, not '" + value + "'";
    return false;
  }
  engine->label = label;
  return true;
}

bool ApplyEngineInfo(std::vector<EngineCommand>& engines, const std::string& value, std::string& error) {
  size_t colon = value.find(':'), equals = value.find('=', colon == std::string::npos ? 0 : colon);
  bool shaped = colon != std::string::npos && equals != std::string::npos;
  EngineCommand* engine = shaped ? EngineNumbered(engines, value.substr(0, colon)) : nullptr;
  std::string key = shaped ? value.substr(colon + 1, equals - colon - 1) : "";
  std::string setting = shaped ? value.substr(equals + 1) : "";
  if (engine == nullptr || key.empty() || key.find_first_of(" \t\r\n") != std::string::npos) {
    error = "--info needs N:KEY=VALUE, with " + EngineRange(engines) + " and a KEY without blanks, not '" + value + "'";
    return false;
  }
  if (HasLineBreak(setting)) {
    error = "--info does not accept a VALUE with a line break (" + key + " for engine " + value.substr(0, colon) + ")";
    return false;
  }
  engine->infos.push_back({key, setting});
  return true;
}

std::string InfoForFileEngine(const std::vector<EngineCommand>& engines) {
  for (size_t i = 0; i < engines.size(); i++) {
    if (engines[i].protocol != Protocol::kFile || engines[i].infos.empty()) continue;
    return "--info " + std::to_string(i + 1) + ":" + engines[i].infos[0].key + "=... is for pipe engines; engine " +
           std::to_string(i + 1) + " (" + engines[i].label + ") is a file engine, which is told nothing";
  }
  return "";
}

void MakeLabelsUnique(std::vector<EngineCommand>& commands) {
  std::map<std::string, int> seen;
  for (auto& command : commands) {
    int count = ++seen[command.label];
    if (count > 1) command.label.append("#").append(std::to_string(count));
  }
}

}  // namespace tulvo::arena

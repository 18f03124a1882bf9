// Reading engine descriptions such as "file:build/bin/tulvo /3".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/match/engine.h"

namespace tulvo::arena {

// The most characters of a label made from a command.
constexpr size_t kLabelWidth = 32;

// Splits at blanks; double or single quotes group words. Empty when a quote is open.
std::optional<std::vector<std::string>> SplitEngineCommand(const std::string& text);
// The command, or nullopt with error set to a clear message.
std::optional<EngineCommand> ParseEngineCommand(const std::string& text, std::string& error);
// Applies "N=LABEL" (a --name value) to the engines; false with error set when N
// names no engine or the label is empty or holds a line break.
bool ApplyEngineName(std::vector<EngineCommand>& engines, const std::string& value, std::string& error);
// Adds "N:KEY=VALUE" (an --info value) to engine N's settings; false with error set
// when N names no engine, KEY is empty or holds a blank, or VALUE a line break.
bool ApplyEngineInfo(std::vector<EngineCommand>& engines, const std::string& value, std::string& error);
// "" when every engine with INFO settings speaks the pipe protocol, else one line
// naming the first file engine given one.
std::string InfoForFileEngine(const std::vector<EngineCommand>& engines);
// Makes labels unique by appending #2, #3... to repeated ones.
void MakeLabelsUnique(std::vector<EngineCommand>& commands);

}  // namespace tulvo::arena

// Reading engine descriptions such as "file:build/bin/tulvo /3".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/engine.h"

namespace tulvo::arena {

// Splits at blanks; double or single quotes group words. Empty when a quote is open.
std::optional<std::vector<std::string>> SplitEngineCommand(const std::string& text);
// The command, or nullopt with error set to a clear message.
std::optional<EngineCommand> ParseEngineCommand(const std::string& text, std::string& error);
// Makes labels unique by appending #2, #3... to repeated ones.
void MakeLabelsUnique(std::vector<EngineCommand>& commands);

}  // namespace tulvo::arena

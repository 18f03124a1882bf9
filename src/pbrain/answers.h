// The lines the front end sends to the manager, each flushed at once.
#pragma once

#include <tulvo/engine.h>

#include <cstdio>
#include <string>

namespace tulvo::pbrain {

void Answer(FILE* out, const std::string& line);
// The move chosen, as "x,y".
void AnswerMove(FILE* out, const tulvo::Choice& choice);
void AnswerError(FILE* out, const std::string& problem);
void AnswerUnknown(FILE* out, const std::string& problem);
void AnswerMessage(FILE* out, const std::string& text);
// The ABOUT line: name, version, author and country.
std::string AboutLine();

}  // namespace tulvo::pbrain

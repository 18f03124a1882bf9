// The lines the front end sends to the manager, each flushed at once.
#pragma once

#include <cstdio>
#include <string>

#include "core_types.h"

void Answer(FILE* out, const std::string& line);
void AnswerMove(FILE* out, Move move);
void AnswerError(FILE* out, const std::string& problem);
void AnswerUnknown(FILE* out, const std::string& problem);
void AnswerMessage(FILE* out, const std::string& text);
// The ABOUT line: name, version, author and country.
std::string AboutLine();

// The pipe program's long options, answered before any session: "--help" and
// "--version". No level argument starts with "--", since its second character is the
// level, so every such first argument is an option, known or not.
#pragma once

#include <cstdio>

namespace tulvo::pbrain {

bool IsLongOption(const char* argument);
// Writes the help or the version to out, or names an unknown option on err; the exit
// status.
int AnswerLongOption(const char* option, FILE* out, FILE* err);

}  // namespace tulvo::pbrain

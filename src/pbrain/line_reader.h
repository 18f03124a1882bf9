// Reads protocol lines from a C stream: any length, ended by LF, CR or CR LF.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace tulvo::pbrain {

// Longer lines keep their first kMaxLineLength bytes and are marked too long.
constexpr size_t kMaxLineLength = 65536;

struct LineReader {
  FILE* in;
  bool skipLineFeed;  // the last line ended with CR: an LF right after it belongs to it
};

struct InputLine {
  std::string text;  // without its line end
  bool tooLong;
};

LineReader MakeLineReader(FILE* in);
// The next line; false at the end of input when no byte is left. Never waits for a
// byte beyond the line end, so a manager that sends "BEGIN\r" gets its answer.
bool ReadLine(LineReader& reader, InputLine& line);

}  // namespace tulvo::pbrain

// Byte-by-byte line reading through getc, with the line end recognised as soon as
// it arrives.
#include "pbrain/line_reader.h"

namespace tulvo::pbrain {

LineReader MakeLineReader(FILE* in) { return {in, false}; }

// Appends c unless the line is already full, which marks it too long instead.
static void Append(InputLine& line, int c) {
  if (line.text.size() < kMaxLineLength)
    line.text.push_back(char(c));
  else
    line.tooLong = true;
}

bool ReadLine(LineReader& reader, InputLine& line) {
  line.text.clear();
  line.tooLong = false;
  int c = getc(reader.in);
  if (reader.skipLineFeed && c == '\n') c = getc(reader.in);
  reader.skipLineFeed = false;
  if (c == EOF) return false;
  for (; c != EOF; c = getc(reader.in)) {
    if (c == '\n') return true;
    if (c == '\r') {
      reader.skipLineFeed = true;
      return true;
    }
    Append(line, c);
  }
  return true;
}

}  // namespace tulvo::pbrain

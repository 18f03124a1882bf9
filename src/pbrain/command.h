// Splits a protocol line into its command word and argument, and reads the
// comma-separated numbers of coordinates and board lines.
#pragma once

#include <string>

namespace tulvo::pbrain {

struct Command {
  std::string word;      // upper case from ParseCommand: "turn" and "Turn" give "TURN"
  std::string argument;  // the rest of the line, without surrounding blanks
};

// Blanks (spaces and tabs) around the line and between word and argument are dropped.
Command ParseCommand(const std::string& line);
// The first blank-separated word of text as it stands, and the rest, both trimmed.
Command SplitWord(const std::string& text);
std::string TrimBlanks(const std::string& text);
// Reads exactly count integers separated by commas, blanks allowed around each:
// "10,3" and " 10 , 3" give {10, 3}. Values beyond a million either way are held at
// -1000000 or 1000000, so a huge coordinate reads as one far outside the board. False
// when malformed.
bool ParseNumbers(const std::string& text, int count, int* values);
// The text for a message: at most 40 bytes, anything but printable ASCII as '?'.
std::string Quote(const std::string& text);

}  // namespace tulvo::pbrain

// Line reading and command parsing of the pipe program.
#include "pbrain/command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "pbrain/line_reader.h"

using namespace tulvo::pbrain;

namespace {

// Every line ReadLine returns for the bytes, with "!" appended to those marked too long.
std::vector<std::string> LinesOf(const std::string& bytes) {
  FILE* in = tmpfile();
  fwrite(bytes.data(), 1, bytes.size(), in);
  rewind(in);
  LineReader reader = MakeLineReader(in);
  InputLine line;
  std::vector<std::string> lines;
  while (ReadLine(reader, line)) lines.push_back(line.tooLong ? line.text.substr(0, 3) + "!" : line.text);
  fclose(in);
  return lines;
}

TEST(PbrainLineReader, EveryLineEndAndTheLastLineWithoutOne) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(LinesOf("A\r\nB\rC\nD"), (Lines{"A", "B", "C", "D"}));
  EXPECT_EQ(LinesOf("A\r\r\nB\n\n"), (Lines{"A", "", "B", ""}));
  EXPECT_EQ(LinesOf("\r\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(LinesOf(""), Lines{});
  EXPECT_EQ(LinesOf("\r"), Lines{""});
}

TEST(PbrainLineReader, OverlongLineIsCutAndMarkedAndTheNextLineIsWhole) {
  std::string bytes = std::string(kMaxLineLength, 'a') + "\r\n" + std::string(kMaxLineLength + 1, 'b') + "\r\nEND\r\n";
  EXPECT_EQ(LinesOf(bytes), (std::vector<std::string>{std::string(kMaxLineLength, 'a'), "bbb!", "END"}));
}

TEST(PbrainCommand, WordIsUpperCaseAndArgumentTrimmed) {
  struct Case {
    const char* line;
    const char* word;
    const char* argument;
  } cases[] = {
      {"TURN 10,10", "TURN", "10,10"},
      {"  turn\t 3,4 \t", "TURN", "3,4"},
      {"Board", "BOARD", ""},
      {"INFO rule 1", "INFO", "rule 1"},
      {"", "", ""},
      {"   ", "", ""},
      {"x", "X", ""},
  };
  for (const Case& c : cases) {
    Command command = ParseCommand(c.line);
    EXPECT_EQ(command.word, c.word) << c.line;
    EXPECT_EQ(command.argument, c.argument) << c.line;
  }
}

TEST(PbrainCommand, NumberLists) {
  struct Case {
    const char* text;
    int count;
    bool ok;
    std::vector<int> values;
  } cases[] = {
      {"10,3", 2, true, {10, 3}},    {" 10 ,\t3 ", 2, true, {10, 3}},
      {"0,0,1", 3, true, {0, 0, 1}}, {"-1,5", 2, true, {-1, 5}},
      {"20", 1, true, {20}},         {"99999999999999999999,0", 2, true, {1000000, 0}},
      {"10,3", 3, false, {}},        {"10,3,", 2, false, {}},
      {",3", 2, false, {}},          {"1 0,3", 2, false, {}},
      {"+1,2", 2, false, {}},        {"-,2", 2, false, {}},
      {"a,b", 2, false, {}},         {"", 1, false, {}},
      {"0x10", 1, false, {}},
  };
  for (const Case& c : cases) {
    std::vector<int> values(size_t(c.count), -99);
    EXPECT_EQ(ParseNumbers(c.text, c.count, values.data()), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(values, c.values) << c.text;
    }
  }
}

TEST(PbrainCommand, QuoteKeepsMessagesShortAndPrintable) {
  EXPECT_EQ(Quote("TURN"), "TURN");
  EXPECT_EQ(Quote(std::string("a\tb\x01\xff", 5)), "a?b??");
  EXPECT_EQ(Quote(std::string(100, 'z')), std::string(40, 'z') + "...");
}

}  // namespace

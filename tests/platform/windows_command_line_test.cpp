// Windows command lines built from words come apart into the very same words.
#include <gtest/gtest.h>

#include "platform/command_line.h"

using namespace tulvo;

namespace {

TEST(WindowsCommandLine, SplitsBackIntoTheSameWords) {
  const std::vector<std::vector<std::string>> cases = {
      {"tulvo.exe", "/3"},
      {"C:\\Program Files\\engines\\pbrain-x.exe"},
      {"e.exe", "", "two words", "tab\there", "new\nline"},
      {"e.exe", "say \"hi\"", "\"", "\"\""},
      {"e.exe", "C:\\dir\\", "C:\\dir with blank\\", "a\\\\b", "a\\\"b", "\\\\\""},
      {"e.exe", "plain\\path\\only"},
  };
  for (const auto& words : cases) {
    std::string line = JoinWindowsCommandLine(words);
    EXPECT_EQ(SplitWindowsCommandLine(line.c_str()), words) << line;
  }
}

TEST(WindowsCommandLine, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(JoinWindowsCommandLine({"a.exe", "/3", "x y", ""}), "\"a.exe\" /3 \"x y\" \"\"");
  EXPECT_EQ(JoinWindowsCommandLine({"a.exe", "end\\", "in \"q\\\""}), "\"a.exe\" end\\ \"in \\\"q\\\\\\\"\"");
}

}  // namespace

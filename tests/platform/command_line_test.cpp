#include "platform/command_line.h"

#include <gtest/gtest.h>

using namespace tulvo;

using Words = std::vector<std::string>;

TEST(SplitWindowsCommandLine, ProgramNameQuotesGroupAndBackslashesStay) {
  struct Case {
    const char* line;
    Words words;
  };
  const Case cases[] = {
      {"", {""}},
      {"tulvo.exe", {"tulvo.exe"}},
      {"tulvo3.exe /3", {"tulvo3.exe", "/3"}},
      {"\"C:\\Program Files\\tulvo3.exe\" /3", {"C:\\Program Files\\tulvo3.exe", "/3"}},
      {"\"C:\\a b\\\" /3", {"C:\\a b\\", "/3"}},  // \" does not escape in the name
      {"C:\\x\\\"y z\"\\tulvo.exe", {"C:\\x\\y z\\tulvo.exe"}},
      {"tulvo.exe\t/4", {"tulvo.exe", "/4"}},
      {" /5", {"", "/5"}},  // a leading blank ends an empty name
  };
  for (const Case& c : cases) EXPECT_EQ(SplitWindowsCommandLine(c.line), c.words) << c.line;
}

TEST(SplitWindowsCommandLine, ArgumentsFollowQuoteAndBackslashRules) {
  struct Case {
    const char* arguments;  // after the program name "p "
    Words words;
  };
  const Case cases[] = {
      {"/3", {"/3"}},
      {"  /3 \t x5  ", {"/3", "x5"}},
      {"\"a b\" c", {"a b", "c"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\"\"", {""}},
      {"\"\" x", {"", "x"}},
      {"\"unterminated x", {"unterminated x"}},
      {"a\\b\\\\c", {"a\\b\\\\c"}},             // backslashes not before a quote are literal
      {"a\\\"b", {"a\"b"}},                     // \"  -> literal quote
      {"a\\\\\"b c\"", {"a\\b c"}},             // \\" -> one backslash, quote opens
      {"a\\\\\\\"b", {"a\\\"b"}},               // \\\" -> backslash and literal quote
      {"\"dir\\\\\" next", {"dir\\", "next"}},  // a quoted path ending in a backslash
      {"\"a \"\"b\"\" c\"", {"a \"b\" c"}},     // "" inside quotes is a quote, quoting goes on
      {"x\"\"y", {"xy"}},                       // "" outside quotes is an empty group
      {"\"x\"\"\"y\"", {"x\"y"}},
      {"trailing\\", {"trailing\\"}},
  };
  for (const Case& c : cases) {
    Words expected = {"p"};
    expected.insert(expected.end(), c.words.begin(), c.words.end());
    EXPECT_EQ(SplitWindowsCommandLine((std::string("p ") + c.arguments).c_str()), expected) << c.arguments;
  }
}

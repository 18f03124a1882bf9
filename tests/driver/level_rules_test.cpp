// The three level rules of the programs' command lines, through the door, in one table.
#include <gtest/gtest.h>

#include "tulvo/engine.h"

namespace {

enum class Rule { kArgument, kFileProgramPath, kPipeProgramPath };

int LevelBy(Rule rule, const char* text) {
  switch (rule) {
    case Rule::kArgument: return tulvo::LevelOfArgument(text);
    case Rule::kFileProgramPath: return tulvo::LevelOfFileProgramPath(text);
    case Rule::kPipeProgramPath: return tulvo::LevelOfPipeProgramPath(text);
  }
  return -2;
}

TEST(LevelRules, EachRuleReadsItsCharacter) {
  constexpr Rule kArg = Rule::kArgument, kFile = Rule::kFileProgramPath, kPipe = Rule::kPipeProgramPath;
  struct Case {
    Rule rule;
    const char* text;
    int level;
  } cases[] = {
      // The argument: only the second character counts; none names no level (-1).
      {kArg, "/0", 0},
      {kArg, "/3", 3},
      {kArg, "-3", 3},
      {kArg, "x5", 5},
      {kArg, "/05", 0},
      {kArg, "/6", 6},
      {kArg, "/7", -1},
      {kArg, "/a", -1},
      {kArg, "/-", -1},
      {kArg, "//", -1},  // the characters just below '0' and above '9'
      {kArg, "/:", -1},
      {kArg, "5", -1},
      {kArg, "/", -1},
      {kArg, "", -1},
      // The file program's name: the character before the last four, whatever they are.
      {kFile, "tulvo0.exe", 0},
      {kFile, "C:\\Games\\tulvo4.exe", 4},
      {kFile, "/opt/tulvo/tulvo6.exe", 6},
      {kFile, "tulvo3.EXE", 3},
      {kFile, "tulvo3.bin", 3},
      {kFile, "tulvo.exe", 6},  // the letter o
      {kFile, "tulvo9.exe", 6},
      {kFile, "tulvo7.exe", 6},
      {kFile, "3.exe", 3},  // five characters: the first one
      {kFile, ".exe", 6},   // four characters or fewer name no level
      {kFile, "", 6},
      {kFile, "./tulvo", 6},
      {kFile, "pbrain-tulvo3", 6},  // no ending looked for: 'u' comes before "lvo3"
      // The pipe program's name: before a ".exe" ending in any case, else the last.
      {kPipe, "pbrain-tulvo", 6},
      {kPipe, "/opt/engines/pbrain-tulvo3", 3},
      {kPipe, "C:\\engines\\pbrain-tulvo3.exe", 3},
      {kPipe, "pbrain-tulvo0.EXE", 0},
      {kPipe, "pbrain-tulvo2.ExE", 2},
      {kPipe, "pbrain-tulvo7", 6},
      {kPipe, "pbrain-tulvo9.exe", 6},
      {kPipe, "pbrain-tulvo.exe", 6},
      {kPipe, "pbrain-tulvo4.bin", 6},  // only ".exe" is cut: the last character is 'n'
      {kPipe, "5", 5},
      {kPipe, ".exe", 6},
      {kPipe, "", 6},
  };
  for (const Case& c : cases) EXPECT_EQ(LevelBy(c.rule, c.text), c.level) << int(c.rule) << " '" << c.text << "'";
}

TEST(LevelRules, FileProgramPathIsCutTo255Characters) {
  std::string path = std::string(250, 'a') + "1" + "2.exe" + std::string(20, 'b');
  // Cut to 255 characters the path ends in "12.ex"; the character before those
  // last four is the 251st, the digit 1. The pipe rule reads the whole path.
  EXPECT_EQ(tulvo::LevelOfFileProgramPath(path.c_str()), 1);
  EXPECT_EQ(tulvo::LevelOfPipeProgramPath((std::string(300, 'a') + "2.exe").c_str()), 2);
}

}  // namespace

// The three level rules of the programs' command lines, through the door, in one table.
#include <gtest/gtest.h>
#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>

#include <string>
#include <vector>

using namespace tulvo;

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
  // The argument: only the second character counts, and one outside '0'..'6' or none
  // names no level (-1). The file program's name: the character before the last four,
  // whatever they are ("tulvo.exe": the letter o; "pbrain-tulvo3": the 'u'); four
  // characters or fewer name none. The pipe program's name: the character before a
  // ".exe" ending in any letter case, else the last one ("pbrain-tulvo4.bin": 'n').
  const struct {
    Rule rule;
    std::vector<std::string> texts;
    std::vector<int> levels;  // one per text
  } table[] = {
      {Rule::kArgument,
       {"/0", "/3", "-3", "x5", "/05", "/6", "/7", "/a", "/-", "//", "/:", "5", "/", ""},
       {0, 3, 3, 5, 0, 6, -1, -1, -1, -1, -1, -1, -1, -1}},
      {Rule::kFileProgramPath,
       {"tulvo0.exe", "C:\\Games\\tulvo4.exe", "/opt/tulvo/tulvo6.exe", "tulvo3.EXE", "tulvo3.bin", "tulvo.exe",
        "tulvo9.exe", "tulvo7.exe", "3.exe", ".exe", "", "./tulvo", "pbrain-tulvo3"},
       {0, 4, 6, 3, 3, 6, 6, 6, 3, 6, 6, 6, 6}},
      {Rule::kPipeProgramPath,
       {"pbrain-tulvo", "/opt/engines/pbrain-tulvo3", "C:\\engines\\pbrain-tulvo3.exe", "pbrain-tulvo0.EXE",
        "pbrain-tulvo2.ExE", "pbrain-tulvo7", "pbrain-tulvo9.exe", "pbrain-tulvo.exe", "pbrain-tulvo4.bin", "5", ".exe",
        ""},
       {6, 3, 3, 0, 2, 6, 6, 6, 6, 5, 6, 6}},
  };
  for (const auto& row : table) {
    ASSERT_EQ(row.texts.size(), row.levels.size()) << int(row.rule);
    for (size_t i = 0; i < row.texts.size(); i++)
      EXPECT_EQ(LevelBy(row.rule, row.texts[i].c_str()), row.levels[i]) << int(row.rule) << " '" << row.texts[i] << "'";
  }
}

TEST(LevelRules, FileProgramPathIsCutTo255Characters) {
  std::string path = std::string(250, 'a') + "1" + "2.exe" + std::string(20, 'b');
  // Cut to 255 characters the path ends in "12.ex"; the character before those
  // last four is the 251st, the digit 1. The pipe rule reads the whole path.
  EXPECT_EQ(tulvo::LevelOfFileProgramPath(path.c_str()), 1);
  EXPECT_EQ(tulvo::LevelOfPipeProgramPath((std::string(300, 'a') + "2.exe").c_str()), 2);
}

}  // namespace

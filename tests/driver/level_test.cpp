#include "driver/level.h"

#include <gtest/gtest.h>

#include "driver/platform_memory.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::file_program;
using namespace tulvo;
using namespace tulvo::test;

static const std::string kBanner = std::string(usageBanner) + "\r\n";

// The level chosen, or -1 when the run ended with the usage banner.
static int LevelFor(const std::vector<std::string>& arguments, const std::string& path) {
  MemoryPlatformReset();
  MemoryPlatformSetArguments(arguments);
  MemoryPlatformSetExecutablePath(path);
  aiLevel = engine::kDefaultLevel;
  try {
    SelectLevel();
  } catch (const PlatformExitSignal& exit) {
    EXPECT_EQ(exit.code, 0);
    EXPECT_EQ(MemoryPlatformConsole(), kBanner);
    return -1;
  }
  EXPECT_EQ(MemoryPlatformConsole(), "");
  return aiLevel;
}

TEST(SelectLevel, FromFirstArgumentSecondCharacter) {
  struct Case {
    std::vector<std::string> arguments;
    int level;
  };
  const Case cases[] = {
      {{"/0"}, 0},  {{"/3"}, 3},       {{"-3"}, 3}, {{"x3"}, 3}, {{"x5"}, 5}, {{"/05"}, 0},
      {{"/6"}, 6},  {{"/6", "/2"}, 6},  // further arguments are ignored
      {{"/7"}, -1}, {{"/a"}, -1},      {{"5"}, -1}, {{""}, -1},  {{"/"}, -1}, {{"/-"}, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(LevelFor(c.arguments, "tulvo1.exe"), c.level) << c.arguments[0];
}

TEST(SelectLevel, FromExecutableNameWithoutArgument) {
  struct Case {
    const char* path;
    int level;
  };
  const Case cases[] = {
      {"tulvo0.exe", 0},
      {"C:\\Games\\tulvo4.exe", 4},
      {"/opt/tulvo/tulvo6.exe", 6},
      {"tulvo.exe", 6},   // the letter o
      {"tulvo9.exe", 6},  // not a level digit: default, no message
      {"tulvo7.exe", 6},
      {"3.exe", 3},  // five characters: the first one
      {".exe", 6},   // four characters or fewer name no level
      {"", 6},
      {"./tulvo", 6},
  };
  for (const Case& c : cases) EXPECT_EQ(LevelFor({}, c.path), c.level) << c.path;
}

TEST(SelectLevel, ArgumentWinsOverExecutableName) { EXPECT_EQ(LevelFor({"/2"}, "tulvo5.exe"), 2); }

TEST(SelectLevel, LongPathIsCutTo255Characters) {
  std::string path = std::string(250, 'a') + "1" + "2.exe" + std::string(20, 'b');
  // Cut to 255 characters the path ends in "12.ex"; the character before those
  // last four is the 251st, the digit 1.
  EXPECT_EQ(LevelFor({}, path), 1);
}

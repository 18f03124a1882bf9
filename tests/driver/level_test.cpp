#include "driver/level.h"

#include <gtest/gtest.h>

#include "driver/platform_memory.h"
#include "support/engine_fixture.h"

static const std::string kBanner = std::string(usageBanner) + "\r\n";

// The level chosen, or -1 when the run ended with the usage banner.
static int LevelFor(const std::vector<std::string>& arguments, const std::string& path) {
  MemoryPlatformReset();
  MemoryPlatformSetArguments(arguments);
  MemoryPlatformSetExecutablePath(path);
  aiLevel = kDefaultLevel;
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

// The rules themselves are in level_rules_test.cpp; here, which one applies when.
TEST(SelectLevel, FirstArgumentElseTheFileProgramsNameRule) {
  struct Case {
    std::vector<std::string> arguments;
    const char* path;
    int level;
  } cases[] = {
      {{"/3"}, "tulvo1.exe", 3},        {{"/6", "/2"}, "tulvo1.exe", 6},  // further arguments are ignored
      {{"/2"}, "tulvo5.exe", 2},        {{"/7"}, "tulvo1.exe", -1},      {{""}, "tulvo1.exe", -1},
      {{}, "C:\\Games\\tulvo4.exe", 4}, {{}, "tulvo3.bin", 3},           {{}, "pbrain-tulvo3", 6},
  };
  for (const Case& c : cases) EXPECT_EQ(LevelFor(c.arguments, c.path), c.level) << c.path;
}

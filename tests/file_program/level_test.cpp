#include "file_program/level.h"

#include <gtest/gtest.h>

#include "platform/platform_memory.h"
#include "support/engine_fixture.h"

using namespace tulvo::file_program;
using namespace tulvo;
using namespace tulvo::test;

static const std::string kBanner = std::string(usageBanner) + "\r\n";

// The level chosen, or -1 when the run ended with the usage banner.
static int LevelFor(const std::vector<std::string>& arguments, const std::string& path) {
  MemoryPlatformReset();
  MemoryPlatformSetArguments(arguments);
  MemoryPlatformSetExecutablePath(path);
  int level = -2;
  try {
    level = SelectLevel();
  } catch (const PlatformExitSignal& exit) {
    EXPECT_EQ(exit.code, 0);
    EXPECT_EQ(MemoryPlatformConsole(), kBanner);
    return -1;
  }
  EXPECT_EQ(MemoryPlatformConsole(), "");
  return level;
}

// The rules themselves are in level_rules_test.cpp; here, which one applies when.
TEST(SelectLevel, FirstArgumentElseTheFileProgramsNameRule) {
  EXPECT_EQ(LevelFor({"/3"}, "tulvo1.exe"), 3);
  EXPECT_EQ(LevelFor({"/6", "/2"}, "tulvo1.exe"), 6);  // further arguments are ignored
  EXPECT_EQ(LevelFor({}, "C:\\Games\\tulvo4.exe"), 4);
  EXPECT_EQ(LevelFor({}, "tulvo3.bin"), 3);  // the pipe program's rule would read none
}

TEST(SelectLevel, AnArgumentNamingNoLevelEndsTheRunWithTheBanner) {
  EXPECT_EQ(LevelFor({"/7"}, "tulvo1.exe"), -1);
  EXPECT_EQ(LevelFor({""}, "tulvo1.exe"), -1);
}

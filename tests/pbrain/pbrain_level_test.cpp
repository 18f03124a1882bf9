// Level selection of the pipe program from its arguments and its name.
#include "pbrain/pbrain_level.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform_memory.h"

using namespace tulvo::pbrain;
using namespace tulvo;

namespace {

int PbrainLevelFor(const std::vector<std::string>& arguments, const char* path) {
  MemoryPlatformReset();
  MemoryPlatformSetArguments(arguments);
  MemoryPlatformSetExecutablePath(path);
  return SelectPbrainLevel();
}

// The rules themselves are in tests/file_protocol/level_rules_test.cpp; here, which one applies.
TEST(PbrainLevel, ArgumentFirstThenThePipeProgramsNameRule) {
  EXPECT_EQ(PbrainLevelFor({}, "C:\\engines\\pbrain-tulvo3.exe"), 3);
  EXPECT_EQ(PbrainLevelFor({}, "tulvo3.bin"), 6);  // the file program's rule would read 3
  EXPECT_EQ(PbrainLevelFor({"/0"}, "pbrain-tulvo3"), 0);
  EXPECT_EQ(PbrainLevelFor({"/2", "/9"}, "pbrain-tulvo"), 2);
}

TEST(PbrainLevel, AnArgumentNamingNoLevelIsRefused) {
  EXPECT_EQ(PbrainLevelFor({"/7"}, "pbrain-tulvo3"), -1);
  EXPECT_EQ(PbrainLevelFor({""}, "pbrain-tulvo"), -1);
}

}  // namespace

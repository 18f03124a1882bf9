// Level selection of the pipe program from its arguments and its name.
#include "pbrain/pbrain_level.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/platform_memory.h"

namespace {

// The rules themselves are in tests/driver/level_rules_test.cpp; here, which one applies.
TEST(PbrainLevel, ArgumentFirstThenThePipeProgramsNameRule) {
  struct Case {
    std::vector<std::string> arguments;
    const char* path;
    int level;
  } cases[] = {
      {{}, "/opt/engines/pbrain-tulvo3", 3},
      {{}, "C:\\engines\\pbrain-tulvo3.exe", 3},
      {{}, "tulvo3.bin", 6},
      {{"/0"}, "pbrain-tulvo3", 0},
      {{"/2", "/9"}, "pbrain-tulvo", 2},
      {{"/7"}, "pbrain-tulvo3", -1},
      {{""}, "pbrain-tulvo", -1},
  };
  for (const Case& c : cases) {
    MemoryPlatformReset();
    MemoryPlatformSetArguments(c.arguments);
    MemoryPlatformSetExecutablePath(c.path);
    EXPECT_EQ(SelectPbrainLevel(), c.level) << c.path << " with " << c.arguments.size() << " arguments";
  }
}

}  // namespace

// Level selection of the pipe program from its arguments and its name.
#include "pbrain/pbrain_level.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/platform_memory.h"

using namespace tulvo::pbrain;
using namespace tulvo;

namespace {

TEST(PbrainLevel, ArgumentFirstThenTheNameThenSix) {
  struct Case {
    std::vector<std::string> arguments;
    const char* path;
    int level;
  } cases[] = {
      {{}, "pbrain-tulvo", 6},
      {{}, "/opt/engines/pbrain-tulvo3", 3},
      {{}, "C:\\engines\\pbrain-tulvo3.exe", 3},
      {{}, "pbrain-tulvo0.EXE", 0},
      {{}, "pbrain-tulvo7", 6},
      {{}, "pbrain-tulvo9.exe", 6},
      {{}, "pbrain-tulvo.exe", 6},
      {{}, "5", 5},
      {{}, ".exe", 6},
      {{}, "", 6},
      {{"/0"}, "pbrain-tulvo3", 0},
      {{"x5"}, "pbrain-tulvo", 5},
      {{"/05"}, "pbrain-tulvo", 0},
      {{"/2", "/9"}, "pbrain-tulvo", 2},
      {{"/7"}, "pbrain-tulvo3", -1},
      {{"/a"}, "pbrain-tulvo", -1},
      {{"5"}, "pbrain-tulvo", -1},
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

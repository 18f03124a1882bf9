#include "driver/move_writer.h"

#include <gtest/gtest.h>

#include "driver/platform_memory.h"
#include "driver/position.h"
#include "support/engine_fixture.h"

using namespace tulvo::file_program;
using namespace tulvo;
using namespace tulvo::engine;
using namespace tulvo::test;

TEST(FormatMove, DecimalWithoutPaddingOrLineEnd) {
  struct Case {
    int x, y;
    const char* text;
  };
  const Case cases[] = {{7, 10, "7,10"}, {0, 0, "0,0"}, {19, 19, "19,19"}, {10, 0, "10,0"}, {9, 9, "9,9"}};
  for (const Case& c : cases) {
    char text[8];
    int length = FormatMove(c.x, c.y, text);
    EXPECT_EQ(std::string(text, size_t(length)), c.text);
  }
}

TEST(WriteMove, ReplacesWholeFile) {
  LoadPosition(RowsWithStones(20, {{3, 3, 'x'}}), 1);
  MemoryPlatformSetFile("tah.dat", "x\r\nmore");
  WriteMove(7, 10);
  EXPECT_EQ(MemoryPlatformFile("tah.dat"), "7,10");
}

TEST(WriteMove, LeavesFileWhenNoMoveCanBeWritten) {
  struct Case {
    const char* what;
    int x, y;
  };
  const Case cases[] = {{"occupied", 3, 3}, {"no move", -1, -1}, {"x off the array", 20, 0}, {"y negative", 0, -1}};
  for (const Case& c : cases) {
    LoadPosition(RowsWithStones(20, {{3, 3, 'x'}}), 1);
    MemoryPlatformSetFile("tah.dat", "x\n");
    WriteMove(c.x, c.y);
    EXPECT_EQ(MemoryPlatformFile("tah.dat"), "x\n") << c.what;
  }
}

TEST(WriteMove, CreatesFileWhenMissingAndIgnoresFailure) {
  LoadPosition(EmptyRows(20), 1);
  WriteMove(0, 0);
  EXPECT_EQ(MemoryPlatformFile("tah.dat"), "0,0");

  MemoryPlatformSetFile("tah.dat", "o");
  MemoryPlatformBreakFile("tah.dat");
  WriteMove(1, 1);  // no message, no exit
  EXPECT_EQ(MemoryPlatformConsole(), "");
  EXPECT_EQ(MemoryPlatformFile("tah.dat"), "o");
}

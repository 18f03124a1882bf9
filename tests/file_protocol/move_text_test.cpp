// The move text, and tah.dat written with it.
#include "file_protocol/move_text.h"

#include <gtest/gtest.h>

#include "file_protocol/protocol_files.h"
#include "platform/platform_memory.h"
#include "support/engine_fixture.h"

using namespace tulvo;
using namespace tulvo::file_protocol;
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

TEST(WriteMoveFile, ReplacesWholeFile) {
  MemoryPlatformReset();
  MemoryPlatformSetFile("tah.dat", "x\r\nmore");
  WriteMoveFile("", 7, 10);
  EXPECT_EQ(MemoryPlatformFile("tah.dat"), "7,10");
  MemoryPlatformSetFile("games/7/tah.dat", "o");
  WriteMoveFile("games/7", 12, 3);
  EXPECT_EQ(MemoryPlatformFile("games/7/tah.dat"), "12,3");
}

// A run without a move leaves tah.dat as the manager wrote it.
TEST(WriteMoveFile, NotCalledWhenNoMoveCanBeWritten) {
  struct Case {
    const char* what;
    std::string board;
  };
  const Case cases[] = {
      {"full board", BoardText({"xox", "oxo", "oxo"})},
      {"one occupied cell", "x\n"},
  };
  for (const Case& c : cases)
    for (int level = 0; level <= 6; level++) {
      MemoryRun run = RunInMemory(c.board.c_str(), "x\n", {LevelArgument(level)});
      EXPECT_EQ(run.tah, "x\n") << c.what << " level " << level;
      EXPECT_EQ(run.exitCode, 0) << c.what;
    }
}

TEST(WriteMoveFile, CreatesFileWhenMissingAndIgnoresFailure) {
  MemoryPlatformReset();
  WriteMoveFile("", 0, 0);
  EXPECT_EQ(MemoryPlatformFile("tah.dat"), "0,0");

  MemoryPlatformSetFile("tah.dat", "o");
  MemoryPlatformBreakFile("tah.dat");
  WriteMoveFile("", 1, 1);  // no message, no exit
  EXPECT_EQ(MemoryPlatformConsole(), "");
  EXPECT_EQ(MemoryPlatformFile("tah.dat"), "o");
}

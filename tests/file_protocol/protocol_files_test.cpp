// The protocol files read as the file program reads them: the board text's lines into
// the engine's Board, and the files' faults in their order.
#include "file_protocol/protocol_files.h"

#include <gtest/gtest.h>

#include "engine/board/position.h"
#include "engine/load_position.h"
#include "platform/platform_memory.h"
#include "support/engine_fixture.h"

using namespace tulvo;
using namespace tulvo::engine;
using namespace tulvo::test;

namespace {

// Reads text and loads the position into the engine's Board; returns the fault's
// message, empty when none. The reader reports a fault as a value: it writes nothing
// and ends nothing.
std::string Parse(EngineState& s, const std::string& text) {
  MemoryPlatformReset();
  const BoardRead read = ReadBoardText(text, kSideX);
  ResetEngine(s);
  LoadPosition(s, RequestOfBoard(read, kDefaultLevel, 0));
  EXPECT_EQ(MemoryPlatformConsole(), "");
  return read.message;
}

std::string Lines(int count, int width, const std::string& end) {
  std::string text;
  for (int i = 0; i < count; i++) text += std::string(size_t(width), '-') + end;
  return text;
}

// Reads the in-memory protocol files as the file program does.
BoardRead ReadFiles() { return file_protocol::ReadProtocolFiles("", "plocha.dat", 0); }

}  // namespace

TEST(ReadBoardText, SizeFollowsLastClosedLine) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  struct Case {
    const char* what;
    std::string text;
    int boardMax;
  };
  const Case cases[] = {
      {"20 lines CR LF", Lines(20, 20, "\r\n"), 19},
      {"15 lines LF", Lines(15, 15, "\n"), 14},
      {"15 lines CR", Lines(15, 15, "\r"), 14},
      {"no line end", std::string(15, '-'), 19},
      {"last line unterminated", Lines(3, 7, "\n") + "--", 6},
      {"last closed line decides", Lines(3, 7, "\n") + "---\n", 2},
      {"leading line end keeps size", std::string("\n") + Lines(2, 5, "\n"), 4},
      {"blank-only line keeps size", Lines(2, 5, "\n") + "   \n", 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Parse(s, c.text), "") << c.what;
    EXPECT_EQ(s.boardMax, c.boardMax) << c.what;
  }
}

TEST(ReadBoardText, StonesColumnsAndLines) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  EXPECT_EQ(Parse(s, "-x-\n\n-o-\n"), "");
  EXPECT_EQ(s.board[1][0], kCellX);
  EXPECT_EQ(s.board[1][1], kCellO);  // the empty line does not count
  EXPECT_EQ(s.stoneCount, 2);

  EXPECT_EQ(Parse(s, "x x\n"), "");  // a blank does not move the column
  EXPECT_EQ(s.board[0][0], kCellX);
  EXPECT_EQ(s.board[1][0], kCellX);

  EXPECT_EQ(Parse(s, "\xEF\xBB\xBF  X-O\n"), "");  // skipped bytes before the first cell
  EXPECT_EQ(s.board[0][0], kCellX);
  EXPECT_EQ(s.board[2][0], kCellO);
  EXPECT_EQ(s.stoneCount, 2);
}

TEST(ReadBoardText, LineEndStylesGiveTheSameBoard) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  const std::string rows[] = {"x-o--", "-----", "--x--", "o---x", "-----"};
  uint8_t reference[kBoardSide][kBoardSide];
  bool first = true;
  for (const char* end : {"\n", "\r\n", "\r", "\n\n"}) {
    std::string text;
    for (const std::string& row : rows) text += row + end;
    ASSERT_EQ(Parse(s, text), "");
    EXPECT_EQ(s.boardMax, 4);
    if (first) memcpy(reference, s.board, sizeof reference);
    EXPECT_EQ(memcmp(reference, s.board, sizeof reference), 0) << int(end[0]);
    first = false;
  }
}

TEST(ReadBoardText, MalformedLinesAreReportedWhereTheyArise) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  const std::string tooLong = "Blbej soubor plocha.dat - moc dlouhej radek!";
  const std::string tooMany = "Blbej soubor plocha.dat - ma prilis mnoho radku!";
  struct Case {
    const char* what;
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"21st cell", std::string(21, '-'), tooLong},
      {"blank after 20 cells", std::string(20, 'x') + " ", tooLong},
      {"21st line", Lines(20, 20, "\n") + "-", tooMany},
      {"blank after 20 lines", Lines(20, 3, "\n") + " ", tooMany},
      {"control byte after extra line end", Lines(20, 20, "\n") + "\n" + std::string(1, '\x1a'), tooMany},
      {"21st cell on the 20th line", Lines(19, 20, "\n") + std::string(20, '-') + "-", tooLong},
      {"extra line ends accepted", Lines(20, 20, "\n") + "\r\n\n\r", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(s, c.text), c.message) << c.what;
}

TEST(ReadBoardText, CandidateMarksAndSearchBox) {
  const std::unique_ptr<EngineState> state = NewState();
  EngineState& s = *state;
  LoadPosition(s, RowsWithStones(20, {{0, 0, 'x'}}), 1);
  for (int x = 0; x < 20; x++)
    for (int y = 0; y < 20; y++) EXPECT_EQ(s.candidateMask[x][y], x <= 2 && y <= 2) << x << "," << y;

  LoadPosition(s, RowsWithStones(20, {{19, 19, 'o'}}), 1);
  EXPECT_EQ(s.candidateMask[17][17], 1);
  EXPECT_EQ(s.candidateMask[16][19], 0);

  LoadPosition(s, RowsWithStones(20, {{7, 7, 'x'}}), 1);
  for (int x = 0; x < 20; x++)
    for (int y = 0; y < 20; y++) EXPECT_EQ(s.candidateMask[x][y], x >= 5 && x <= 9 && y >= 5 && y <= 9);
  EXPECT_EQ(s.searchBox.minX, 3);
  EXPECT_EQ(s.searchBox.minY, 3);
  EXPECT_EQ(s.searchBox.maxX, 11);
  EXPECT_EQ(s.searchBox.maxY, 11);

  LoadPosition(s, EmptyRows(15), 1);
  EXPECT_EQ(s.searchBox.minX, 997);
  EXPECT_EQ(s.searchBox.maxY, -997);

  LoadPosition(s, RowsWithStones(6, {{5, 0, 'x'}}), 1);  // clipped to the small board
  EXPECT_EQ(s.searchBox.maxX, 5);
  EXPECT_EQ(s.searchBox.minX, 1);
}

TEST(ReadProtocolFiles, MessagesAndSide) {
  const std::string board = BoardText(EmptyRows(20));
  struct Case {
    const char* what;
    const char* plocha;
    const char* tah;
    const char* message;  // nullptr: read without error
    int side;
  };
  const std::string big(448, '-');
  const Case cases[] = {
      {"x to move", board.c_str(), "x\r\n", nullptr, 1},
      {"upper X means O", board.c_str(), "X", nullptr, 2},
      {"o to move", board.c_str(), "o", nullptr, 2},
      {"no board file", nullptr, "x", "Nelze nahrat plocha.dat!", 0},
      {"empty board file", "", "x", "Spatna velikost plocha.dat!", 0},
      {"448 bytes", big.c_str(), "x", "Spatna velikost plocha.dat!", 0},
      {"no tah.dat", board.c_str(), nullptr, "Nelze nahrat tah.dat nebo plocha.dat!", 0},
      {"empty tah.dat", board.c_str(), "", "Nelze nahrat tah.dat nebo plocha.dat!", 0},
  };
  for (const Case& c : cases) {
    MemoryPlatformReset();
    if (c.plocha) MemoryPlatformSetFile("plocha.dat", c.plocha);
    if (c.tah) MemoryPlatformSetFile("tah.dat", c.tah);
    const BoardRead read = ReadFiles();
    EXPECT_EQ(read.ok, c.message == nullptr) << c.what;
    if (c.message == nullptr) {
      EXPECT_EQ(read.position.sideToMove, c.side) << c.what;
    } else {
      EXPECT_EQ(read.message, c.message) << c.what;
    }
    EXPECT_EQ(MemoryPlatformConsole(), "") << c.what;
    if (c.tah) {
      EXPECT_EQ(MemoryPlatformFile("tah.dat"), c.tah) << c.what;
    }
  }
}

TEST(ReadProtocolFiles, UnopenableFiles) {
  for (const char* broken : {"tah.dat", "plocha.dat"}) {
    MemoryPlatformReset();
    MemoryPlatformSetFile("plocha.dat", BoardText(EmptyRows(20)));
    MemoryPlatformSetFile("tah.dat", "x");
    MemoryPlatformBreakFile(broken);
    std::string expected = broken[0] == 't' ? "Nelze nahrat tah.dat nebo plocha.dat!" : "Nelze nahrat plocha.dat!";
    EXPECT_EQ(ReadFiles().message, expected) << broken;
  }
}

// The engine's door against the file program's whole run, and its own promises.
#include <gtest/gtest.h>
#include <tulvo/engine.h>
#include <tulvo/file_protocol.h>

#include <climits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/choice/rule_scorer.h"
#include "engine/choice/threat_priority.h"
#include "support/engine_fixture.h"

using namespace tulvo::engine;
using namespace tulvo::test;
using namespace tulvo;

namespace {

constexpr uint32_t kMillisecondsPerDay = 24u * 60 * 60 * 1000;

// A board of the side with stones at random: a third of the boards hold at most two
// stones, so that the openings are covered too.
std::vector<std::string> RandomRows(std::mt19937& random) {
  const int side = 1 + int(random() % 20);
  std::vector<std::string> rows = EmptyRows(side);
  const int stones = random() % 3 == 0 ? int(random() % 3) : int(random() % unsigned(side * side + 1));
  for (int i = 0; i < stones; i++)
    rows[random() % unsigned(side)][random() % unsigned(side)] = random() % 2 ? 'x' : 'o';
  return rows;
}

// The door's traced decision on the board, in the calling thread's state or, given
// one, in the storage.
tulvo::Choice Decide(const std::string& board, char side, int level, uint32_t seed, EngineStorage* storage = nullptr) {
  tulvo::BoardRead read = tulvo::ReadBoardText(board, tulvo::SideOfTahText(std::string(1, side)));
  EXPECT_TRUE(read.ok) << read.message;
  tulvo::Request request = tulvo::RequestOfBoard(read, level, seed);
  request.trace = true;
  return storage == nullptr ? tulvo::DecideMove(request) : tulvo::DecideMove(request, *storage);
}

// The door's move is what the file program writes when its clock gives the seed, and
// its trace is every cell the file program's search evaluated, with the same scores.
void ExpectSameAsFileProgram(const std::string& board, char side, int level, uint32_t seed) {
  const std::string tah(1, side);
  MemoryRun run = RunInMemory(board.c_str(), tah.c_str(), {LevelArgument(level)}, seed);
  ASSERT_EQ(run.exitCode, 0);
  const EngineState& file = StateAfter(run);
  const std::vector<EvaluatedCell> evaluated(file.evaluatedCells, file.evaluatedCells + file.evaluatedCount);
  tulvo::Choice choice = Decide(board, side, level, seed);
  const std::string what = "level " + std::to_string(level) + " seed " + std::to_string(seed) + "\n" + board;
  EXPECT_EQ(choice.hasMove ? tulvo::MoveText(choice.x, choice.y) : tah, run.tah) << what;
  ASSERT_EQ(choice.trace.size(), evaluated.size()) << what;
  for (size_t i = 0; i < evaluated.size(); i++) {
    const tulvo::TracedCell& door = choice.trace[i];
    const EvaluatedCell& file = evaluated[i];
    EXPECT_TRUE(door.x == file.x && door.y == file.y && door.baseScore == file.baseScore &&
                door.cellScore == file.cellScore)
        << what << "cell " << i;
  }
}

TEST(Door, RandomPositionsAtEveryLevelAndSeedMoveAsTheFileProgram) {
  std::mt19937 random(14);
  for (int position = 0; position < 150; position++) {
    const std::string board = BoardText(RandomRows(random));
    const char side = random() % 2 ? 'x' : 'o';
    for (int level = 0; level <= 6; level++)
      for (int draw = 0; draw < 2; draw++) ExpectSameAsFileProgram(board, side, level, random() % kMillisecondsPerDay);
  }
}

// Lines of different widths, closed by any line end or not at all: the file program
// marks candidates within the width read so far, and the door must do the same.
TEST(Door, BoardsWhoseLinesDifferInWidthMoveAsTheFileProgram) {
  std::mt19937 random(1414);
  const char* const kEnds[] = {"\n", "\r\n", "\n\n", ""};
  for (int position = 0; position < 150; position++) {
    std::string board;
    const int lines = 1 + int(random() % 20);
    for (int y = 0; y < lines; y++) {
      const int width = 1 + int(random() % 20);
      for (int x = 0; x < width; x++) board += "--xo"[random() % 4];
      board += y + 1 < lines ? "\n" : kEnds[random() % 4];
    }
    for (int level : {0, 1, 4, 6}) ExpectSameAsFileProgram(board, 'x', level, random() % kMillisecondsPerDay);
  }
  // A short first line: the stone at (7, 1) marks nothing in the file program.
  ExpectSameAsFileProgram("---\n-------x--\nx---------\n--o-------\n----------\n", 'x', 6, 5);
}

TEST(Door, OpeningMoveHasAnEmptyTraceAfterASearch) {
  const std::string midgame = BoardText(RowsWithStones(20, {{9, 9, 'x'}, {10, 9, 'o'}, {10, 10, 'x'}, {8, 8, 'o'}}));
  ASSERT_FALSE(Decide(midgame, 'x', 6, 1).trace.empty());
  const tulvo::Choice opening = Decide(BoardText(RowsWithStones(20, {{9, 9, 'x'}})), 'o', 6, 1);
  EXPECT_TRUE(opening.hasMove);
  EXPECT_TRUE(opening.trace.empty());
}

TEST(Door, TraceNamesTheDecidingRuleOrThreatRow) {
  // X to move with three in a row at (10..12, 9): (9, 9) makes an open four.
  const std::string board = BoardText(RowsWithStones(20, {{10, 9, 'x'}, {11, 9, 'x'}, {12, 9, 'x'}, {0, 0, 'o'}}));
  for (int level : {1, 2, 6}) {
    const tulvo::Choice choice = Decide(board, 'x', level, 5);
    const tulvo::TracedCell* open = nullptr;
    for (const tulvo::TracedCell& cell : choice.trace)
      if (cell.x == 9 && cell.y == 9) open = &cell;
    ASSERT_NE(open, nullptr) << level;
    EXPECT_STREQ(tulvo::TierText(level, open->tier),
                 level <= 1 ? "rule 9: own open four" : "own open four or two fours");
  }
  EXPECT_STREQ(tulvo::TierText(0, 99), "");
  EXPECT_STREQ(tulvo::TierText(4, 0), "");
}

// The tier of the cell evaluated afresh from the tables the search left, as the
// scorers decide it.
int FreshTier(EngineState& s, int x, int y) {
  SelectCell(s, x, y);
  if (s.aiLevel <= 1) {
    SummarizeAxes(s);
    if (s.aiLevel == 1) SummarizeGapped(s);
    return DecidingRule(s);
  }
  ClassifyThreats(s);
  return DecidingThreatRow(s.threatCounts, s.ownIndex, s.oppIndex);
}

TEST(Door, EveryTracedTierIsAFreshEvaluationOfItsCell) {
  std::mt19937 random(2424);
  const auto storage = std::make_unique<EngineStorage>();
  for (int position = 0; position < 60; position++) {
    const std::string board = BoardText(RandomRows(random));
    for (int level = 0; level <= 6; level++) {
      const tulvo::Choice choice = Decide(board, 'o', level, random() % kMillisecondsPerDay, storage.get());
      for (const tulvo::TracedCell& cell : choice.trace)
        ASSERT_EQ(cell.tier, FreshTier(StateIn(*storage), cell.x, cell.y))
            << "level " << level << " cell " << cell.x << "," << cell.y << "\n"
            << board;
    }
  }
}

// The tier is the cell's own, recorded as it was scored, not what the state holds
// after the scan: here the last cell scanned decides by no rule at all.
TEST(Door, TraceKeepsEachCellsOwnRuleAfterTheScanMovesOn) {
  const std::string board =
      BoardText({"---------------", "---------------", "---------------", "---------------", "---------------",
                 "------xooo-----", "-----o-x-------", "-----x-ooo-----", "------o--------", "------o-ox-----",
                 "---------------", "---------------", "---------------", "---------------", "---------------"});
  const tulvo::Choice choice = Decide(board, 'x', 1, 1);
  ASSERT_GE(choice.trace.size(), 2u);
  const tulvo::TracedCell* gapped = nullptr;
  for (const tulvo::TracedCell& cell : choice.trace)
    if (cell.x == 8 && cell.y == 6) gapped = &cell;
  ASSERT_NE(gapped, nullptr);
  EXPECT_STREQ(tulvo::TierText(1, gapped->tier), "rule 11: blocks two gapped fours");
  EXPECT_STREQ(tulvo::TierText(1, choice.trace.back().tier), "no rule");
}

// Any level plays one that exists: below 0 as 0, above 6 as 6.
TEST(Door, LevelsOutsideTheRangePlayTheNearestLevel) {
  std::mt19937 random(99);
  const auto storage = std::make_unique<EngineStorage>();
  for (int position = 0; position < 20; position++) {
    const std::string board = BoardText(RandomRows(random));
    const uint32_t seed = random() % kMillisecondsPerDay;
    const struct { int level, plays; } cases[] = {{-1, 0}, {INT32_MIN, 0}, {9, 6}, {7, 6}, {INT32_MAX, 6}};
    for (const auto& c : cases) {
      const tulvo::Choice outside = Decide(board, 'x', c.level, seed, storage.get());
      EXPECT_EQ(StateIn(*storage).aiLevel, c.plays) << c.level;
      const tulvo::Choice inside = Decide(board, 'x', c.plays, seed);
      EXPECT_TRUE(outside.hasMove == inside.hasMove && outside.x == inside.x && outside.y == inside.y) << c.level;
      ASSERT_EQ(outside.trace.size(), inside.trace.size()) << c.level;
      for (size_t i = 0; i < inside.trace.size(); i++)
        EXPECT_EQ(outside.trace[i].cellScore, inside.trace[i].cellScore) << c.level << " cell " << i;
    }
  }
}

TEST(Door, BoardReaderFaultsAreValuesWithTheReadersMessage) {
  struct Case {
    const char* what;
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      {"empty", "", "Spatna velikost plocha.dat!"},
      {"448 bytes", std::string(448, '-'), "Spatna velikost plocha.dat!"},
      {"21 cells", std::string(21, '-') + "\n", "Blbej soubor plocha.dat - moc dlouhej radek!"},
      {"21 lines", BoardText(EmptyRows(20)) + "-\n", "Blbej soubor plocha.dat - ma prilis mnoho radku!"},
  };
  for (const Case& c : cases) {
    tulvo::BoardRead read = tulvo::ReadBoardText(c.text, tulvo::kSideX);
    EXPECT_FALSE(read.ok) << c.what;
    EXPECT_EQ(read.message, c.message) << c.what;
    EXPECT_FALSE(read.explanation.empty()) << c.what;
  }
  for (const tulvo::BoardRead& read : {tulvo::BoardFileUnreadable(), tulvo::FilesUnreadable()}) {
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.explanation.empty()) << read.message;
  }
  tulvo::BoardRead read = tulvo::ReadBoardText("x--\r\n-o-\r\n---\r\n", tulvo::kSideO);
  ASSERT_TRUE(read.ok);
  EXPECT_TRUE(read.message.empty() && read.explanation.empty());
  EXPECT_EQ(read.position.size, 3);
  EXPECT_EQ(read.position.sideToMove, tulvo::kSideO);
  EXPECT_EQ(read.position.cells[0][0], tulvo::kStoneX);
  EXPECT_EQ(read.position.cells[1][1], tulvo::kStoneO);
}

TEST(Door, SmallHelpersFollowTheFileProtocol) {
  EXPECT_EQ(tulvo::MoveText(0, 19), "0,19");
  EXPECT_EQ(tulvo::MoveText(12, 3), "12,3");
  EXPECT_EQ(tulvo::SeedOfTimeOfDay(23, 59, 59, 999), kMillisecondsPerDay - 1);
  EXPECT_EQ(tulvo::SeedOfTimeOfDay(1, 2, 3, 4), 3723004u);
  EXPECT_EQ(tulvo::SideOfTahText("x"), tulvo::kSideX);
  EXPECT_EQ(tulvo::SideOfTahText("X"), tulvo::kSideO);  // as the file program reads tah.dat
  EXPECT_EQ(tulvo::SideOfTahText(""), tulvo::kSideO);
}

// Out-of-range values in a request are read as the nearest sensible ones: a size
// within 1..20, O to move for anything but X, any unknown code as a blocked cell.
TEST(Door, OddRequestsGiveAFreeCellOrNone) {
  tulvo::Request request;
  request.position.sideToMove = 7;
  request.position.cells[0][0] = 200;
  request.position.cells[5][5] = tulvo::kStoneX;
  request.position.cells[6][6] = tulvo::kStoneO;
  request.position.cells[7][5] = tulvo::kStoneX;
  request.trace = true;
  for (int level : {-3, 0, 6, 9}) {
    request.level = level;
    request.position.size = 10;
    tulvo::Choice choice = tulvo::DecideMove(request);
    ASSERT_TRUE(choice.hasMove) << level;
    EXPECT_TRUE(choice.x < 10 && choice.y < 10) << level;
    EXPECT_EQ(request.position.cells[choice.x][choice.y], tulvo::kEmpty) << level;
    // One cell, and that one blocked: no move.
    request.position.size = 0;
    EXPECT_FALSE(tulvo::DecideMove(request).hasMove) << level;
  }
}

}  // namespace

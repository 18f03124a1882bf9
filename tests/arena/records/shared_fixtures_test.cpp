// The fixtures the page's tests read too: boards with fives, and a game record. The
// arena and the page must judge and write them alike.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "arena/match/referee.h"
#include "arena/records/game_record.h"

using namespace tulvo::arena;

namespace {

std::string FixtureText(const std::string& name) {
  std::ifstream file(std::string(TULVO_FIXTURES_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(file) << "cannot read the fixture " << name;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

struct FixtureBoard {
  std::string name;      // what the board shows
  std::string expected;  // "x wins", "o wins", "x wins (overline)", "no five" or "refused"
  std::vector<std::string> rows;
};

// The boards of five-boards.txt: each after a line "= NAME: EXPECTED".
std::vector<FixtureBoard> FiveBoards() {
  std::vector<FixtureBoard> boards;
  std::istringstream lines(FixtureText("five-boards.txt"));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("= ", 0) == 0) {
      size_t colon = line.rfind(": ");
      boards.push_back({line.substr(2, colon - 2), line.substr(colon + 2), {}});
    } else if (!line.empty() && line[0] != '#') {
      boards.back().rows.push_back(line);
    }
  }
  return boards;
}

// The board's stones placed X and O in turn, each side's in row order.
ArenaBoard Placed(const FixtureBoard& fixture) {
  std::vector<Point> stones[2];
  for (int y = 0; y < int(fixture.rows.size()); y++) {
    for (int x = 0; x < int(fixture.rows[size_t(y)].size()); x++) {
      char c = char(std::tolower(static_cast<unsigned char>(fixture.rows[size_t(y)][size_t(x)])));
      if (c != '-') stones[c == 'o'].push_back({x, y});
    }
  }
  ArenaBoard board(int(fixture.rows.size()));
  for (size_t i = 0; i < stones[0].size(); i++) {
    board.Place(stones[0][i]);
    if (i < stones[1].size()) board.Place(stones[1][i]);
  }
  return board;
}

TEST(SharedFixtures, TheArenaFindsTheUpperCaseStonesAsTheFives) {
  std::vector<FixtureBoard> boards = FiveBoards();
  ASSERT_GE(boards.size(), 6u);
  for (const FixtureBoard& fixture : boards) {
    ArenaBoard board = Placed(fixture);
    std::string lower;
    for (const std::string& row : fixture.rows) {
      for (char c : row) lower += char(std::tolower(static_cast<unsigned char>(c)));
      lower += '\n';
    }
    ASSERT_EQ(board.Rows(), lower) << fixture.name << ": X and O counts do not fit a game";
    bool overline = fixture.expected.find("overline") != std::string::npos;
    for (int y = 0; y < board.side(); y++) {
      for (int x = 0; x < board.side(); x++) {
        bool upper = std::isupper(static_cast<unsigned char>(fixture.rows[size_t(y)][size_t(x)]));
        EXPECT_EQ(board.MakesFive({x, y}), upper) << fixture.name << " at " << x << "," << y;
        EXPECT_EQ(board.MakesFive({x, y}, Rule::kExactlyFive), upper && !overline)
            << fixture.name << " at " << x << "," << y;
      }
    }
  }
}

TEST(SharedFixtures, TheArenaWritesTheRecordAsThePageDoes) {
  std::string text = FixtureText("record.txt");
  std::istringstream lines(text);
  std::string names[2];
  std::vector<PlayedMove> moves;
  int side = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("# board ", 0) == 0) side = std::stoi(line.substr(8));
    if (line.rfind("# x ", 0) == 0) names[0] = line.substr(4);
    if (line.rfind("# o ", 0) == 0) names[1] = line.substr(4);
    if (line.empty() || line[0] == '#') continue;
    std::optional<Point> point = ParseMoveText(line.substr(0, line.rfind(',')));
    ASSERT_TRUE(point) << line;
    moves.push_back({*point, std::stoi(line.substr(line.rfind(',') + 1))});
  }
  GameResult game{Outcome::kDraw, EndReason::kFullBoard, "", 0, moves, ArenaBoard(side)};
  for (const PlayedMove& move : moves) {
    ASSERT_FALSE(game.board.stones() > 0 && game.board.MakesFive(game.moves[size_t(game.board.stones() - 1)].point))
        << "the game went on after a five";
    game.board.Place(move.point);
  }
  ASSERT_TRUE(game.board.MakesFive(moves.back().point)) << "the record's game ends with a five";
  game.outcome = StoneLetter(game.board.At(moves.back().point)) == 'x' ? Outcome::kXWins : Outcome::kOWins;
  game.reason = EndReason::kFive;
  EXPECT_EQ(FormatRecord(game, names[0], names[1]), text);
}

}  // namespace

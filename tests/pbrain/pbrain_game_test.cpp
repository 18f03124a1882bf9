// Whole games through the built pipe program, refereed move by move by the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <regex>
#include <string>
#include <vector>

#include "support/pipe_program.h"

using namespace tulvo::test;

namespace {

const std::string kProgram = PBRAIN_EXECUTABLE;

// The test's own board: 0 empty, else the player (1 or 2) who took the cell.
struct Referee {
  int size;
  std::vector<int> cells;

  explicit Referee(int side) : size(side), cells(size_t(side * side), 0) {}
  int& At(int x, int y) { return cells[size_t(y * size + x)]; }
  bool IsFree(int x, int y) { return x >= 0 && y >= 0 && x < size && y < size && At(x, y) == 0; }
  bool IsFull() { return std::count(cells.begin(), cells.end(), 0) == 0; }

  // Five or more of the player's stones in a line through (x, y).
  bool MakesFive(int x, int y) {
    int player = At(x, y);
    for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
      int run = 1;
      for (int sign : {1, -1})
        for (int i = 1;
             IsOn(x + sign * i * dx, y + sign * i * dy) && At(x + sign * i * dx, y + sign * i * dy) == player; i++)
          run++;
      if (run >= 5) return true;
    }
    return false;
  }
  bool IsOn(int x, int y) { return x >= 0 && y >= 0 && x < size && y < size; }
};

struct Cell {
  int x, y;
};

// The answer as a move; fails the test when it is anything else.
Cell ParseMove(const std::string& answer) {
  std::smatch match;
  if (!std::regex_match(answer, match, std::regex(R"((\d+),(\d+))"))) {
    ADD_FAILURE() << "not a move: " << answer;
    return {-1, -1};
  }
  return {std::stoi(match[1]), std::stoi(match[2])};
}

std::string CellText(Cell cell) { return std::to_string(cell.x) + "," + std::to_string(cell.y); }

// Takes the move for player on the referee's board; false when the game is over
// (five made or board full), and a test failure when the cell was not free.
bool Take(Referee& referee, Cell cell, int player, int& winner) {
  if (!referee.IsFree(cell.x, cell.y)) {
    ADD_FAILURE() << "player " << player << " played on a taken or outside cell " << CellText(cell);
    return false;
  }
  referee.At(cell.x, cell.y) = player;
  if (referee.MakesFive(cell.x, cell.y)) winner = player;
  return winner == 0 && !referee.IsFull();
}

void StartEngine(PipeProgram& engine, int size) {
  for (const char* info : {"INFO timeout_turn 5000", "INFO timeout_match 0", "INFO rule 0", "INFO game_type 1"})
    engine.Send(info);
  engine.Send("START " + std::to_string(size));
  ASSERT_EQ(engine.ReadLine(), "OK");
}

// The engine begins; the test answers with the first free cell in reading order.
TEST(PbrainMatch, WholeGameFromBeginAgainstAWeakOpponentIsWon) {
  PipeProgram engine(kProgram, {"/6"});
  StartEngine(engine, 15);
  Referee referee(15);
  int winner = 0;
  std::string request = "BEGIN";
  for (;;) {
    engine.Send(request);
    if (!Take(referee, ParseMove(engine.ReadLine()), 1, winner)) break;
    int free = int(std::find(referee.cells.begin(), referee.cells.end(), 0) - referee.cells.begin());
    Cell reply = {free % 15, free / 15};
    if (!Take(referee, reply, 2, winner)) break;
    request = "TURN " + CellText(reply);
  }
  EXPECT_EQ(winner, 1);
  engine.Send("END");
  EXPECT_EQ(engine.Finish(), 0);
}

// Two instances relayed move for move until five in a row or a full board.
TEST(PbrainMatch, SelfPlayBetweenTwoInstancesFinishes) {
  struct Match {
    int size;
    const char* first;
    const char* second;
  } matches[] = {{20, "/6", "/6"}, {15, "/2", "/5"}, {10, "/0", "/3"}};
  for (const Match& match : matches) {
    PipeProgram players[2] = {PipeProgram(kProgram, {match.first}), PipeProgram(kProgram, {match.second})};
    for (PipeProgram& player : players) StartEngine(player, match.size);
    Referee referee(match.size);
    int winner = 0, moves = 0;
    std::string request = "BEGIN";
    for (int turn = 0;; turn = 1 - turn) {
      players[turn].Send(request);
      Cell move = ParseMove(players[turn].ReadLine());
      moves++;
      if (!Take(referee, move, turn + 1, winner)) break;
      request = "TURN " + CellText(move);
    }
    EXPECT_TRUE(winner != 0 || referee.IsFull()) << "size " << match.size;
    for (PipeProgram& player : players) {
      player.Send("END");
      EXPECT_EQ(player.Finish(), 0);
    }
    std::cout << "size " << match.size << " " << match.first << " vs " << match.second << ": " << moves
              << " moves, winner " << winner << "\n";
  }
}

}  // namespace

// In-memory engines for the arena's unit tests: replies given in advance, or a
// fixed scan order.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "arena/match/engine.h"

namespace tulvo::arena {

// Answers the move requests from a list, then fails with kMissing. Remembers what
// it was asked.
class ScriptedEngine : public Engine {
 public:
  explicit ScriptedEngine(std::vector<EngineReply> moves, EngineReply start = {ReplyStatus::kAnswered, "", 0})
      : moves_(moves.begin(), moves.end()), start_(start) {}
  static ScriptedEngine Playing(const std::vector<Point>& points, int ms = 1) {
    std::vector<EngineReply> replies;
    for (Point p : points)
      replies.push_back({ReplyStatus::kAnswered, std::to_string(p.x) + "," + std::to_string(p.y), ms});
    return ScriptedEngine(replies);
  }

  EngineReply Start(int side, int startMs) override {
    startedWith = {side, startMs};
    return start_;
  }
  void SetTerms(const GameTerms& given) override { terms = given; }
  void SetTimeLeft(int ms) override { timesLeft.push_back(ms); }
  EngineReply Move(const ArenaBoard& board, const std::vector<Point>& played, int timeLimitMs) override {
    limits.push_back(timeLimitMs);
    stonesSeen.push_back(board.stones());
    lastMoves.push_back(played.empty() ? std::nullopt : std::optional<Point>(played.back()));
    playedSeen.push_back(played);
    if (moves_.empty()) return {ReplyStatus::kMissing, "script ended", 0};
    EngineReply reply = moves_.front();
    moves_.pop_front();
    return reply;
  }

  std::pair<int, int> startedWith{0, 0};
  std::vector<int> stonesSeen;
  std::vector<std::optional<Point>> lastMoves;
  std::vector<std::vector<Point>> playedSeen;  // the stones in play order at each request
  std::vector<int> limits;                     // the time limit of each move request
  std::vector<int> timesLeft;                  // what SetTimeLeft was told
  GameTerms terms{0, 0, Rule::kFreeStyle};

 private:
  std::deque<EngineReply> moves_;
  EngineReply start_;
};

// Plays the first empty cell in its scan: rows top-down when rowsFirst, else
// columns right to left. Deterministic, and quick to finish a game.
class ScanningEngine : public Engine {
 public:
  explicit ScanningEngine(bool rowsFirst) : rowsFirst_(rowsFirst) {}
  EngineReply Start(int, int) override { return {ReplyStatus::kAnswered, "", 0}; }
  EngineReply Move(const ArenaBoard& board, const std::vector<Point>&, int) override {
    int side = board.side();
    for (int i = 0; i < side * side; i++) {
      Point p = rowsFirst_ ? Point{i % side, i / side} : Point{side - 1 - i / side, i % side};
      if (board.At(p) == kCellEmpty)
        return {ReplyStatus::kAnswered, std::to_string(p.x) + "," + std::to_string(p.y), 0};
    }
    return {ReplyStatus::kMissing, "full", 0};
  }

 private:
  bool rowsFirst_;
};

}  // namespace tulvo::arena

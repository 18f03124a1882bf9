// Plays one game between two engines and judges it.
#include "arena/match/referee.h"

#include <algorithm>
#include <string_view>

#include "common/parse_number.h"

namespace tulvo::arena {

const char* EndReasonName(EndReason reason) {
  switch (reason) {
    case EndReason::kFive: return "five";
    case EndReason::kFullBoard: return "full board";
    case EndReason::kMissing: return "no move";
    case EndReason::kMalformed: return "malformed move";
    case EndReason::kOffBoard: return "off the board";
    case EndReason::kOccupied: return "occupied cell";
    case EndReason::kCrash: return "crash";
    case EndReason::kTimeout: return "timeout";
    case EndReason::kRefused: return "refused to start";
    case EndReason::kMoveLimit: return "move limit";
    case EndReason::kTimeForfeit: return "lost on time";
    case EndReason::kError: return "error";
  }
  return "?";
}

static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A coordinate of a reply: a decimal number, perhaps negative, of at most six digits.
static std::optional<int> Coordinate(std::string_view field) {
  size_t digits = field.size() - (field.starts_with('-') ? 1 : 0);
  if (digits > 6) return std::nullopt;
  std::optional<int64_t> value = text::ParseInteger(field, -999999, 999999);
  if (!value) return std::nullopt;
  return int(*value);
}

// "x,y" with blanks allowed around the whole, not around the comma.
std::optional<Point> ParseMoveText(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) begin++;
  while (end > begin && IsBlank(text[end - 1])) end--;
  std::string_view move = std::string_view(text).substr(begin, end - begin);
  size_t comma = move.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  auto x = Coordinate(move.substr(0, comma)), y = Coordinate(move.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return Point{*x, *y};
}

static EndReason FaultOf(ReplyStatus status) {
  switch (status) {
    case ReplyStatus::kMissing: return EndReason::kMissing;
    case ReplyStatus::kCrashed:
    case ReplyStatus::kNotStarted: return EndReason::kCrash;
    case ReplyStatus::kTimedOut: return EndReason::kTimeout;
    case ReplyStatus::kRefused: return EndReason::kRefused;
    case ReplyStatus::kError: return EndReason::kError;
    case ReplyStatus::kAnswered: break;
  }
  return EndReason::kMalformed;
}

static void Lose(GameResult& game, uint8_t loser, EndReason reason, const std::string& detail) {
  game.outcome = loser == kCellX ? Outcome::kOWins : Outcome::kXWins;
  game.reason = reason;
  game.detail = detail;
}

// Judges one reply of the side to move; true when the game goes on.
static bool Judge(GameResult& game, const EngineReply& reply, Rule rule) {
  uint8_t mover = game.board.ToMove();
  if (reply.status != ReplyStatus::kAnswered) {
    Lose(game, mover, FaultOf(reply.status), reply.text);
    return false;
  }
  auto point = ParseMoveText(reply.text);
  if (!point) {
    Lose(game, mover, EndReason::kMalformed, reply.text);
    return false;
  }
  std::string where = std::to_string(point->x) + "," + std::to_string(point->y);
  if (!game.board.Contains(*point)) {
    Lose(game, mover, EndReason::kOffBoard, where);
    return false;
  }
  if (game.board.At(*point) != kCellEmpty) {
    Lose(game, mover, EndReason::kOccupied, where);
    return false;
  }
  game.board.Place(*point);
  game.moves.push_back({*point, reply.ms});
  if (game.board.MakesFive(*point, rule)) {
    game.outcome = mover == kCellX ? Outcome::kXWins : Outcome::kOWins;
    game.reason = EndReason::kFive;
    return false;
  }
  return true;
}

int MarginMs(const GameRules& rules, int turnMs) {
  return rules.marginMs >= 0 ? rules.marginMs : std::max(50, turnMs / 10);
}

// Each side's clock in a game with a match time.
struct Clocks {
  GameClock clock;
  int turnMs;
  int marginMs;
  int left[2];

  // The deadline of the next move of stone, after telling its engine its time:
  // the per-move limit and its margin, cut to what the clock holds.
  int LimitFor(Engine& player, uint8_t stone) {
    if (clock.matchMs == 0) return turnMs + marginMs;
    player.SetTimeLeft(left[stone - kCellX]);
    return std::max(1, std::min(turnMs + marginMs, left[stone - kCellX]));
  }

  // Charges the reply, less any start-up time, to the mover's clock; false when
  // the clock ran out.
  bool Charge(EngineReply& reply, uint8_t stone, int limitMs) {
    if (clock.matchMs == 0) return true;
    int& time = left[stone - kCellX];
    int spent = reply.ms - reply.startupMs;
    bool pastClock = spent > time || (reply.status == ReplyStatus::kTimedOut && limitMs < turnMs + marginMs);
    if (pastClock) reply.text = "the clock ran out: " + std::to_string(time) + " ms were left";
    time += clock.incrementMs - spent;
    return !pastClock;
  }
};

GameResult PlayGame(Engine& x, Engine& o, int side, const std::vector<Point>& opening, int timeLimitMs,
                    const GameRules& rules) {
  GameResult game{Outcome::kDraw, EndReason::kFullBoard, "", int(opening.size()), {}, ArenaBoard(side)};
  for (Point p : opening) {
    game.board.Place(p);
    game.moves.push_back({p, 0});
  }
  int turnMs = rules.clock.TurnMs(timeLimitMs);
  Clocks clocks{rules.clock, turnMs, MarginMs(rules, turnMs), {rules.clock.matchMs, rules.clock.matchMs}};
  for (auto [player, stone] : {std::pair<Engine*, uint8_t>{&x, kCellX}, {&o, kCellO}}) {
    player->SetTerms({clocks.turnMs, rules.clock.matchMs, rules.rule});
    EngineReply reply = player->Start(side, rules.startMs);
    if (reply.status != ReplyStatus::kAnswered) {
      Lose(game, stone, FaultOf(reply.status), reply.text);
      return game;
    }
  }
  std::vector<Point> played(opening);
  while (!game.board.IsFull()) {
    if (rules.drawAfter > 0 && int(game.moves.size()) >= rules.drawAfter) {
      game.reason = EndReason::kMoveLimit;
      return game;
    }
    uint8_t stone = game.board.ToMove();
    Engine& mover = stone == kCellX ? x : o;
    int limitMs = clocks.LimitFor(mover, stone);
    EngineReply reply = mover.Move(game.board, played, limitMs);
    if (!clocks.Charge(reply, stone, limitMs)) {
      Lose(game, stone, EndReason::kTimeForfeit, reply.text);
      return game;
    }
    if (!Judge(game, reply, rules.rule)) return game;
    played.push_back(game.moves.back().point);
  }
  return game;
}

}  // namespace tulvo::arena

// The text record of one game and the picture of its final position.
#include "arena/records/game_record.h"

#include <cctype>
#include <cstdio>

#include "common/parse_number.h"

namespace tulvo::arena {

std::string ResultText(const GameResult& game) {
  std::string score = game.outcome == Outcome::kXWins ? "1-0" : game.outcome == Outcome::kOWins ? "0-1" : "1/2-1/2";
  std::string reason = EndReasonName(game.reason);
  if (!game.detail.empty()) {
    std::string detail = game.detail.substr(0, 60);
    for (char& c : detail) {
      if (!std::isprint(static_cast<unsigned char>(c))) c = ' ';
    }
    reason += ": " + detail;
  }
  return score + " (" + reason + ")";
}

std::string FormatRecord(const GameResult& game, const std::string& xEngine, const std::string& oEngine) {
  int side = game.board.side();
  std::string text = "# board " + std::to_string(side) + "x" + std::to_string(side) + "\n";
  text += "# x " + xEngine + "\n# o " + oEngine + "\n";
  text += "# result " + ResultText(game) + "\n";
  text += "# opening " + std::to_string(game.openingMoves) + "\n";
  for (const PlayedMove& move : game.moves) {
    text += std::to_string(move.point.x) + "," + std::to_string(move.point.y) + "," + std::to_string(move.ms) + "\n";
  }
  return text;
}

std::string FormatFinalBoard(const GameResult& game) {
  const ArenaBoard& board = game.board;
  std::string text = "   ";
  for (int x = 0; x < board.side(); x++) text += x % 10 == 0 ? char('0' + x / 10) : ' ';
  text += "\n   ";
  for (int x = 0; x < board.side(); x++) text += char('0' + x % 10);
  text += "\n";
  std::string rows = board.Rows();
  if (!game.moves.empty()) {
    Point last = game.moves.back().point;
    char& cell = rows[size_t(last.y * (board.side() + 1) + last.x)];
    cell = char(std::toupper(static_cast<unsigned char>(cell)));
  }
  for (int y = 0; y < board.side(); y++) {
    char number[16];
    std::snprintf(number, sizeof number, "%2d ", y);
    text += number + rows.substr(size_t(y * (board.side() + 1)), size_t(board.side() + 1));
  }
  return text;
}

std::string RecordFileName(int number, const char* extension) {
  char name[32];
  std::snprintf(name, sizeof name, "game-%04d.%s", number + 1, extension);
  return name;
}

int LastRecordNumber(const std::vector<std::string>& names) {
  int last = 0;
  for (const std::string& name : names) {
    size_t dot = name.rfind('.');
    if (name.rfind("game-", 0) != 0 || dot == std::string::npos) continue;
    std::string extension = name.substr(dot + 1);
    if (extension != "txt" && extension != "psq" && extension != "sgf") continue;
    std::string digits = name.substr(5, dot - 5);
    auto number = text::ParseInteger(digits, 1, 99999999);
    if (number && int(*number) > last) last = int(*number);
  }
  return last;
}

}  // namespace tulvo::arena

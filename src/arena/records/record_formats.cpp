// Game records in the formats that game managers and viewers open: .psq and SGF.
#include "arena/records/record_formats.h"

#include <sstream>

#include "arena/records/game_record.h"

namespace tulvo::arena {

std::optional<RecordFormats> RecordFormatsNamed(const std::string& list) {
  RecordFormats formats{false, false, false};
  std::istringstream names(list);
  int count = 0;
  for (std::string name; std::getline(names, name, ','); count++) {
    bool& chosen = name == "txt" ? formats.text : name == "psq" ? formats.psq : formats.sgf;
    if (name != "txt" && name != "psq" && name != "sgf") return std::nullopt;
    chosen = true;
  }
  if (count == 0 || list.back() == ',') return std::nullopt;
  return formats;
}

std::string FormatPsq(const GameResult& game, const std::string& xEngine, const std::string& oEngine) {
  std::string side = std::to_string(game.board.side());
  std::string text = "Piskvorky " + side + "x" + side + ", 11:11, 0\n";
  for (const PlayedMove& move : game.moves) {
    text += std::to_string(move.point.x + 1) + "," + std::to_string(move.point.y + 1) + "," + std::to_string(move.ms) +
            "\n";
  }
  return text + xEngine + "\n" + oEngine + "\n-1\n";
}

// A property value with ']' and '\' escaped.
static std::string SgfText(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == ']' || c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::string FormatSgf(const GameResult& game, const std::string& xEngine, const std::string& oEngine) {
  const char* result = game.outcome == Outcome::kXWins ? "B+" : game.outcome == Outcome::kOWins ? "W+" : "0";
  std::string text = "(;FF[4]GM[4]SZ[" + std::to_string(game.board.side()) + "]PB[" + SgfText(xEngine) + "]PW[" +
                     SgfText(oEngine) + "]RE[" + result + "]C[" + SgfText(ResultText(game)) + "]";
  for (size_t i = 0; i < game.moves.size(); i++) {
    Point p = game.moves[i].point;
    text += std::string(i % 2 == 0 ? ";B[" : ";W[") + char('a' + p.x) + char('a' + p.y) + "]";
  }
  return text + ")\n";
}

}  // namespace tulvo::arena

// The allowed ends of a run: message and untouched tah.dat, a legal move, or no move
// only where none can be made.
#include "support/outcome_check.h"

#include "engine/board/position.h"
#include "engine/choice/engine_state.h"
#include "file_program/level.h"
#include "file_protocol/board_text.h"

namespace tulvo::test {

namespace {

bool IsKnownMessage(const std::string& console) {
  const char* messages[] = {file_program::usageBanner,           file_protocol::kMessageBoardNotLoaded,
                            file_protocol::kMessageBadBoardSize, file_protocol::kMessageLineTooLong,
                            file_protocol::kMessageTooManyLines, file_protocol::kMessageFilesNotLoaded};
  for (const char* message : messages)
    if (console == std::string(message) + "\r\n") return true;
  return false;
}

bool ParseNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0')) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

bool IsEmptyOnBoard(const engine::EngineState& s, int x, int y) {
  return engine::IsOnBoard(s, x, y) && s.board[x][y] == engine::kCellEmpty;
}

std::string FindMoveFault(const engine::EngineState& s, const std::string& tah) {
  int x = -1, y = -1;
  if (!ParseMoveText(tah, x, y)) return "tah.dat holds neither its old content nor x,y: '" + tah + "'";
  if (!IsEmptyOnBoard(s, x, y)) return "the move " + tah + " is not an empty cell on the board";
  if (x != s.bestMove.x || y != s.bestMove.y) return "the move written is not bestMove";
  if (s.stoneCount >= 3 && s.candidateMask[x][y] == 0) return "the move " + tah + " is not a candidate cell";
  return "";
}

// No message and tah.dat untouched: allowed only when the engine chose no empty cell,
// and with three or more stones only when no empty candidate cell exists.
std::string FindNoMoveFault(const engine::EngineState& s) {
  if (IsEmptyOnBoard(s, s.bestMove.x, s.bestMove.y)) return "bestMove is an empty cell but was not written";
  if (s.stoneCount >= 3 && HasEmptyCandidate(s)) return "no move although an empty candidate cell exists";
  return "";
}

}  // namespace

bool ParseMoveText(const std::string& text, int& x, int& y) {
  size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  return ParseNumber(text.substr(0, comma), x) && ParseNumber(text.substr(comma + 1), y);
}

bool HasEmptyCandidate(const engine::EngineState& s) {
  for (int x = 0; x <= s.boardMax; x++)
    for (int y = 0; y <= s.boardMax; y++)
      if (s.candidateMask[x][y] != 0 && s.board[x][y] == engine::kCellEmpty) return true;
  return false;
}

std::string FindOutcomeFault(const MemoryRun& run, const ProgramSetup& setup) {
  if (run.exitCode != 0) return "exit code " + std::to_string(run.exitCode);
  bool untouched = run.tahExists == setup.tah.has_value() && run.tah == setup.tah.value_or("");
  if (!run.console.empty()) {
    if (!IsKnownMessage(run.console)) return "unknown console output: '" + run.console + "'";
    return untouched ? "" : "a message was printed but tah.dat changed";
  }
  if (!setup.tah) return "no message although tah.dat is missing";
  const engine::EngineState& s = StateAfter(run);
  return untouched ? FindNoMoveFault(s) : FindMoveFault(s, run.tah);
}

}  // namespace tulvo::test

// The command loop: dispatch by command word, and the BOARD block's stone lines.
#include "pbrain/session.h"

#include "pbrain/answers.h"
#include "pbrain/command.h"
#include "pbrain/info.h"
#include "pbrain/move_request.h"

namespace tulvo::pbrain {

Session MakeSession(int level) { return {MakeGame(), level, false, -1}; }

// Answers the engine's move for the game and puts it on the board.
static void PlayMove(Session& session, FILE* out) {
  Game& game = session.game;
  if (game.size == 0) return AnswerError(out, kMessageNoGame);
  if (!HasEmptyCell(game)) return AnswerError(out, "the board is full: no move left");
  const tulvo::Choice choice = ChooseGameMoveNow(game, session.level);
  // The engine names a free cell or none: none when no candidate was free.
  if (!choice.hasMove || !PlaceCell(game, choice.x, choice.y, kGameOwn).empty())
    return AnswerError(out, "the engine found no free cell within two cells of a stone");
  AnswerMove(out, choice);
}

static std::string Unsupported(const std::string& board) {
  return "unsupported " + board + ": tulvo plays square boards of 5 to 20";
}

static void Start(Session& session, const std::string& argument, FILE* out) {
  int size = 0;
  if (!ParseNumbers(argument, 1, &size))
    return AnswerError(out, "malformed START '" + Quote(argument) + "': expected START n");
  if (!IsSupportedSize(size)) return AnswerError(out, Unsupported("board size " + std::to_string(size)));
  StartGame(session.game, size);
  Answer(out, "OK");
}

static void RectStart(Session& session, const std::string& argument, FILE* out) {
  int sides[2];
  if (!ParseNumbers(argument, 2, sides))
    return AnswerError(out, "malformed RECTSTART '" + Quote(argument) + "': expected RECTSTART w,h");
  if (sides[0] != sides[1] || !IsSupportedSize(sides[0]))
    return AnswerError(out, Unsupported("board " + std::to_string(sides[0]) + "x" + std::to_string(sides[1])));
  StartGame(session.game, sides[0]);
  Answer(out, "OK");
}

static void Restart(Session& session, FILE* out) {
  if (session.game.size == 0) return AnswerError(out, kMessageNoGame);
  ClearGame(session.game);
  Answer(out, "OK");
}

// Reads "x,y" for TURN and TAKEBACK; answers ERROR and returns false when malformed.
static bool ReadCell(const std::string& word, const std::string& argument, int* cell, FILE* out) {
  if (ParseNumbers(argument, 2, cell)) return true;
  AnswerError(out, "malformed " + word + " '" + Quote(argument) + "': expected " + word + " x,y");
  return false;
}

static void Turn(Session& session, const std::string& argument, FILE* out) {
  int cell[2];
  if (!ReadCell("TURN", argument, cell, out)) return;
  std::string problem = PlaceCell(session.game, cell[0], cell[1], kGameOpponent);
  if (!problem.empty()) return AnswerError(out, problem);
  PlayMove(session, out);
}

static void TakeBack(Session& session, const std::string& argument, FILE* out) {
  int cell[2];
  if (!ReadCell("TAKEBACK", argument, cell, out)) return;
  std::string problem = TakeBackCell(session.game, cell[0], cell[1]);
  if (!problem.empty()) return AnswerError(out, problem);
  Answer(out, "OK");
}

// One "x,y,f" line of a BOARD block.
static void BoardLine(Session& session, const std::string& text, FILE* out) {
  int values[3];
  if (!ParseNumbers(text, 3, values))
    return AnswerError(out, "malformed board line '" + Quote(text) + "': expected x,y,f or DONE");
  if (values[2] < kGameOwn || values[2] > kGameBlocked)
    return AnswerError(out, "board line '" + Quote(text) + "': f must be 1, 2 or 3");
  std::string problem = PlaceCell(session.game, values[0], values[1], uint8_t(values[2]));
  if (!problem.empty()) AnswerError(out, "board line '" + Quote(text) + "': " + problem);
}

static bool HandleBoardBlock(Session& session, const Command& command, const std::string& text, FILE* out) {
  if (command.word == "END") return false;
  if (command.word != "DONE") {
    BoardLine(session, text, out);
    return true;
  }
  session.inBoardBlock = false;
  PlayMove(session, out);
  return true;
}

static void Dispatch(Session& session, const Command& command, FILE* out) {
  const std::string& word = command.word;
  if (word == "START") return Start(session, command.argument, out);
  if (word == "RECTSTART") return RectStart(session, command.argument, out);
  if (word == "RESTART") return Restart(session, out);
  if (word == "BEGIN") return PlayMove(session, out);
  if (word == "TURN") return Turn(session, command.argument, out);
  if (word == "TAKEBACK") return TakeBack(session, command.argument, out);
  if (word == "INFO") return HandleInfo(session, command.argument, out);
  if (word == "ABOUT") return Answer(out, AboutLine());
  if (word == "BOARD") {
    session.inBoardBlock = true;
    return ClearGame(session.game);
  }
  AnswerUnknown(out, "command '" + Quote(word) + "' is not supported");
}

bool HandleLine(Session& session, const InputLine& line, FILE* out) {
  if (line.tooLong) {
    AnswerError(out, "line longer than " + std::to_string(kMaxLineLength) + " bytes ignored");
    return true;
  }
  std::string text = TrimBlanks(line.text);
  if (text.empty()) return true;
  Command command = ParseCommand(text);
  if (session.inBoardBlock) return HandleBoardBlock(session, command, text, out);
  if (command.word == "END") return false;
  Dispatch(session, command, out);
  return true;
}

int RunSession(FILE* in, FILE* out, int level) {
  Session session = MakeSession(level);
  LineReader reader = MakeLineReader(in);
  InputLine line;
  while (ReadLine(reader, line))
    if (!HandleLine(session, line, out)) break;
  return 0;
}

}  // namespace tulvo::pbrain

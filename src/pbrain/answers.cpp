// Answer lines end with LF alone, on every platform: standard output carries bytes
// unchanged (the Windows platform sets it to binary mode), as the protocol expects.
#include "pbrain/answers.h"

#include <tulvo/file_protocol.h>

namespace tulvo::pbrain {

void Answer(FILE* out, const std::string& line) {
  fputs(line.c_str(), out);
  fputc('\n', out);
  fflush(out);
}

void AnswerMove(FILE* out, const tulvo::Choice& choice) { Answer(out, tulvo::MoveText(choice.x, choice.y)); }

void AnswerError(FILE* out, const std::string& problem) { Answer(out, "ERROR " + problem); }
void AnswerUnknown(FILE* out, const std::string& problem) { Answer(out, "UNKNOWN " + problem); }
void AnswerMessage(FILE* out, const std::string& text) { Answer(out, "MESSAGE " + text); }

std::string AboutLine() {
  return std::string("name=\"tulvo\", version=\"") + TULVO_VERSION +
         "\", author=\"the tulvo developers\", country=\"CZ\"";
}

}  // namespace tulvo::pbrain

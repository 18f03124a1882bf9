// The status codes' texts, for messages that need not look the codes up in the header.
#include <tulvo/tulvo.h>

#define TULVO_TEXT_OF(value) #value
#define TULVO_TEXT(value) TULVO_TEXT_OF(value)

extern "C" const char* tulvo_status_text(int status) {
  if (status >= 0) return "no fault";
  switch (status) {
    case TULVO_E_NULL: return "a required pointer is null";
    case TULVO_E_SIZE: return "the board size is outside 1.." TULVO_TEXT(TULVO_MAX_SIZE);
    case TULVO_E_CELL: return "a cell code is not 0 (empty), 1 (X), 2 (O) or 3 (blocked)";
    case TULVO_E_SIDE: return "the side to move is not 1 (X) or 2 (O)";
    case TULVO_E_LEVEL: return "the level is outside 0.." TULVO_TEXT(TULVO_MAX_LEVEL);
    case TULVO_E_CAPACITY: return "more cells were evaluated than the output can hold";
    case TULVO_E_BOARD: return "the board text cannot be read";
    case TULVO_E_MEMORY: return "the engine ran out of memory";
    case TULVO_E_COUNT: return "a count of boards or of threads is negative";
    default: return "unknown status";
  }
}

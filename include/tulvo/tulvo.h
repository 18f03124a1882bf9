/* tulvo's C interface: the engine for programs in C, C++ and any language with a
   foreign-function interface. Plain C99: no C++ types, nothing thrown, a status code
   from every call that can fail. Safe to call from several threads at once: each
   thread decides in its own engine state, so calls run side by side with no lock.

   Boards are size * size bytes, cells[y * size + x], x across and y down as in
   plocha.dat. The move and every score are the ones the file program gives for the
   same position, side to move, level and seed. */
#ifndef TULVO_TULVO_H
#define TULVO_TULVO_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The library is built with hidden visibility: these are what it exports. */
#if defined(__GNUC__)
#define TULVO_API __attribute__((visibility("default")))
#else
#define TULVO_API
#endif

/* Cell codes and sides. */
#define TULVO_EMPTY 0
#define TULVO_X 1
#define TULVO_O 2
#define TULVO_BLOCKED 3 /* blocks both players' lines */

#define TULVO_MAX_SIZE 20
#define TULVO_MAX_CELLS 400 /* the most cells one search evaluates */
#define TULVO_MAX_LEVEL 6   /* levels are 0 (weakest) .. TULVO_MAX_LEVEL */

/* Status codes: negative, one per kind of bad argument or unreadable board. */
#define TULVO_E_NULL (-1)     /* a required pointer is null */
#define TULVO_E_SIZE (-2)     /* size outside 1..20 */
#define TULVO_E_CELL (-3)     /* a cell code other than 0..3 */
#define TULVO_E_SIDE (-4)     /* side other than 1 (X) or 2 (O) */
#define TULVO_E_LEVEL (-5)    /* level outside 0..TULVO_MAX_LEVEL */
#define TULVO_E_CAPACITY (-6) /* more cells were evaluated than out can hold */
#define TULVO_E_BOARD (-7)    /* the board text cannot be read (see message) */
#define TULVO_E_MEMORY (-8)   /* the engine could not allocate its result */
#define TULVO_E_COUNT (-9)    /* a negative count of boards or of threads */

typedef struct tulvo_move {
  int x, y;
} tulvo_move;

typedef struct tulvo_cell {
  int x, y;
  int base_score, cell_score;
  int tier; /* the deciding rule (levels 0 and 1) or threat row (2..6): tulvo_tier_text */
} tulvo_cell;

/* cells: size * size bytes, cells[y * size + x]; 0 empty, 1 X, 2 O, 3 blocked.
   side: 1 X, 2 O. level: 0 (weakest) .. TULVO_MAX_LEVEL. seed: the random source's seed; the file
   program takes tulvo_seed_of_time of the UTC time of day.
   Returns 1 and fills *move when a move was chosen, 0 when there is none (x = y = -1),
   a negative TULVO_E_... code for a bad argument. */
TULVO_API int tulvo_choose_move(const unsigned char *cells, int size, int side, int level, unsigned int seed,
                                tulvo_move *move);

/* The same, and every evaluated cell in scan order (x outer, y inner) into out, at most
   capacity of them (TULVO_MAX_CELLS always suffices). Returns the count of evaluated
   cells (0 for an opening move, which evaluates none), or a negative code, with
   TULVO_E_CAPACITY when there were more; *move is set as above whenever the arguments
   are good, also then. */
TULVO_API int tulvo_analyze(const unsigned char *cells, int size, int side, int level, unsigned int seed,
                            tulvo_move *move, tulvo_cell *out, int capacity);

/* Decides count boards laid out one after another in cells (board i at
   cells + i * size * size), board i with sides[i] to move and seeds[i], into moves[i].
   The boards are spread over threads threads (0: one per core; never more than
   count); each move equals what tulvo_choose_move gives for its board. Every argument
   and every board is checked before any is decided: a fault returns its negative
   TULVO_E_... code and writes no move. Otherwise returns how many boards got a move;
   a board without one gets x = y = -1. */
TULVO_API int tulvo_choose_moves(const unsigned char *cells, int count, int size, const int *sides, int level,
                                 const unsigned int *seeds, tulvo_move *moves, int threads);

/* Reads plocha.dat text as the file program does. Returns 0 and fills cells
   (400 bytes; cells[y * size + x] for the board that was read, the rest 0) and *size,
   or TULVO_E_BOARD with the reader's message, ": " and an English explanation in
   message (cut to message_size - 1 bytes and terminated when message_size > 0).
   Lines of unequal widths: the cells keep the stones within the last line's width. */
TULVO_API int tulvo_read_board(const char *text, size_t length, unsigned char *cells, int *size, char *message,
                               size_t message_size);

/* What decided a cell at a level: "rule 9: own open four", "blocks five", ...;
   "" for a tier the level does not have. */
TULVO_API const char *tulvo_tier_text(int level, int tier);

/* What a status code means, in English: "a required pointer is null", ...; for 0 and
   positive results "no fault", and "unknown status" for a code that is none of these. */
TULVO_API const char *tulvo_status_text(int status);

/* The seed the file program takes from a UTC time of day: milliseconds since midnight. */
TULVO_API unsigned int tulvo_seed_of_time(int hour, int minute, int second, int millisecond);

/* The library's version, "3.1". */
TULVO_API const char *tulvo_version(void);

#ifdef __cplusplus
}
#endif

#endif /* TULVO_TULVO_H */

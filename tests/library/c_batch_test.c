/* tulvo_choose_moves against tulvo_choose_move: on batches of random boards (blocked
   cells and full boards among them) at every level, with 1, 2, 8 and every core's
   threads, each board's move is the one a single call gives. Then the batch's faults:
   each stops it before any move is written.
   Uses only <tulvo/tulvo.h> and the tests' CHECK. */
#include <stdio.h>
#include <string.h>
#include <tulvo/tulvo.h>

#include "c_check.h"

enum { kBoards = 30 };

static unsigned int state = 4321u;
static int RandomBelow(int n) {
  state = state * 1103515245u + 12345u;
  return (int)((state >> 8) % (unsigned int)n);
}

static unsigned char cells[kBoards * TULVO_MAX_CELLS];
static int sides[kBoards];
static unsigned int seeds[kBoards];

/* Board b of a batch of size x size boards: stones of both colours on about a
   b-th share of the cells, a few blocked cells on every third board, and the last
   board full. */
static void FillBatch(int size) {
  const int n = size * size;
  for (int b = 0; b < kBoards; b++) {
    unsigned char *board = cells + b * n;
    for (int i = 0; i < n; i++) {
      const int roll = RandomBelow(kBoards);
      board[i] = (unsigned char)(b == kBoards - 1 || roll < b / 2 ? 1 + RandomBelow(2) : TULVO_EMPTY);
      if (b % 3 == 1 && RandomBelow(12) == 0) board[i] = TULVO_BLOCKED;
    }
    sides[b] = 1 + RandomBelow(2);
    seeds[b] = (unsigned int)RandomBelow(1 << 30);
  }
}

static void BatchEqualsSingleCalls(void) {
  static const int sizes[] = {15, 20, 9};
  static const int thread_counts[] = {1, 2, 8, 0};
  int compared = 0;
  for (size_t s = 0; s < sizeof sizes / sizeof sizes[0]; s++) {
    const int size = sizes[s];
    FillBatch(size);
    for (int level = 0; level <= TULVO_MAX_LEVEL; level++) {
      tulvo_move expected[kBoards];
      int expected_moved = 0;
      for (int b = 0; b < kBoards; b++) {
        expected[b].x = expected[b].y = -1;
        expected_moved += tulvo_choose_move(cells + b * size * size, size, sides[b], level, seeds[b], &expected[b]);
      }
      for (size_t t = 0; t < sizeof thread_counts / sizeof thread_counts[0]; t++) {
        tulvo_move moves[kBoards];
        memset(moves, 0x55, sizeof moves);
        const int moved = tulvo_choose_moves(cells, kBoards, size, sides, level, seeds, moves, thread_counts[t]);
        CHECK(moved == expected_moved, "size %d level %d threads %d: %d boards moved, single calls %d", size, level,
              thread_counts[t], moved, expected_moved);
        for (int b = 0; b < kBoards; b++, compared++)
          CHECK(moves[b].x == expected[b].x && moves[b].y == expected[b].y,
                "size %d level %d threads %d board %d: %d,%d; the single call %d,%d", size, level, thread_counts[t], b,
                moves[b].x, moves[b].y, expected[b].x, expected[b].y);
      }
    }
  }
  printf("%d batch moves equal the single calls'\n", compared);
}

static void FaultsStopTheBatch(void) {
  FillBatch(15);
  unsigned char bad_cell[3 * 225] = {0};
  bad_cell[2 * 225 + 17] = 4;
  const int bad_side[3] = {1, 2, 0};
  const struct {
    const char *what;
    const unsigned char *cells;
    int count, size;
    const int *sides;
    int level, threads, expected;
  } cases[] = {
      {"a cell code 4 on the last board", bad_cell, 3, 15, sides, 6, 2, TULVO_E_CELL},
      {"side 0 on the last board", cells, 3, 15, bad_side, 6, 2, TULVO_E_SIDE},
      {"level 7", cells, 3, 15, sides, TULVO_MAX_LEVEL + 1, 1, TULVO_E_LEVEL},
      {"level -1", cells, 3, 15, sides, -1, 1, TULVO_E_LEVEL},
      {"size 21", cells, 3, 21, sides, 6, 1, TULVO_E_SIZE},
      {"count -1", cells, -1, 15, sides, 6, 1, TULVO_E_COUNT},
      {"threads -1", cells, 3, 15, sides, 6, -1, TULVO_E_COUNT},
      {"null cells", NULL, 3, 15, sides, 6, 1, TULVO_E_NULL},
      {"null sides", cells, 3, 15, NULL, 6, 1, TULVO_E_NULL},
      {"no boards", NULL, 0, 15, NULL, 6, 4, 0},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; i++) {
    tulvo_move moves[3] = {{-7, -7}, {-7, -7}, {-7, -7}};
    const int got = tulvo_choose_moves(cases[i].cells, cases[i].count, cases[i].size, cases[i].sides, cases[i].level,
                                       seeds, moves, cases[i].threads);
    CHECK(got == cases[i].expected, "%s: %d, expected %d", cases[i].what, got, cases[i].expected);
    for (int b = 0; b < 3; b++)
      CHECK(moves[b].x == -7 && moves[b].y == -7, "%s: board %d's move was written", cases[i].what, b);
  }
  tulvo_move move;
  CHECK(tulvo_choose_moves(cells, 1, 15, sides, 6, NULL, &move, 1) == TULVO_E_NULL, "null seeds");
  CHECK(tulvo_choose_moves(cells, 1, 15, sides, 6, seeds, NULL, 1) == TULVO_E_NULL, "null moves");
}

int main(void) {
  BatchEqualsSingleCalls();
  FaultsStopTheBatch();
  printf("%s\n", failures == 0 ? "all passed" : "FAILED");
  return failures == 0 ? 0 : 1;
}

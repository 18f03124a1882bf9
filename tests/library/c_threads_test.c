/* Eight threads calling the C interface at once get what one thread gets: the same
   moves and the same evaluated cells, position by position, at every level.
   Uses only <tulvo/tulvo.h> and POSIX threads. */
#define _POSIX_C_SOURCE 200809L

#include <pthread.h>
#include <stdio.h>
#include <string.h>
#include <tulvo/tulvo.h>

enum { kPositions = 12, kThreads = 8, kRounds = 3, kLevels = TULVO_MAX_LEVEL + 1 };

typedef struct Result {
  int count;
  tulvo_move move;
  tulvo_cell cells[TULVO_MAX_CELLS];
} Result;

static unsigned char boards[kPositions][TULVO_MAX_CELLS];
static const int sizes[kPositions] = {20, 20, 15, 10, 20, 19, 20, 13, 20, 8, 20, 16};
static Result expected[kPositions][kLevels];
static int mismatches[kThreads];

static void Analyze(int p, int level, Result *result) {
  result->count = tulvo_analyze(boards[p], sizes[p], 1 + p % 2, level, 1000u * (unsigned int)p + (unsigned int)level,
                                &result->move, result->cells, TULVO_MAX_CELLS);
}

static int Same(const Result *a, const Result *b) {
  return a->count == b->count && a->move.x == b->move.x && a->move.y == b->move.y &&
         (a->count <= 0 || memcmp(a->cells, b->cells, sizeof a->cells[0] * (size_t)a->count) == 0);
}

/* Each thread starts at its own position, so different positions run at once. */
static void *Worker(void *argument) {
  const int t = (int)(size_t)argument;
  static Result results[kThreads];
  for (int round = 0; round < kRounds; round++)
    for (int i = 0; i < kPositions * kLevels; i++) {
      const int p = (i / kLevels + t) % kPositions, level = i % kLevels;
      Analyze(p, level, &results[t]);
      if (!Same(&results[t], &expected[p][level])) mismatches[t]++;
    }
  return NULL;
}

int main(void) {
  unsigned int state = 99u;
  for (int p = 0; p < kPositions; p++) {
    const int size = sizes[p], stones = (p * 37) % (size * size / 2);
    memset(boards[p], TULVO_EMPTY, sizeof boards[p]);
    for (int s = 0; s < stones; s++) {
      int i;
      do {
        state = state * 1103515245u + 12345u;
        i = (int)((state >> 8) % (unsigned int)(size * size));
      } while (boards[p][i] != TULVO_EMPTY);
      boards[p][i] = (unsigned char)(s % 2 == 0 ? TULVO_X : TULVO_O);
    }
    for (int level = 0; level <= TULVO_MAX_LEVEL; level++) Analyze(p, level, &expected[p][level]);
  }

  pthread_t threads[kThreads];
  for (int t = 0; t < kThreads; t++)
    if (pthread_create(&threads[t], NULL, Worker, (void *)(size_t)t) != 0) return 2;
  int total = 0;
  for (int t = 0; t < kThreads; t++) {
    pthread_join(threads[t], NULL);
    total += mismatches[t];
  }
  printf("%d threads x %d calls: %d results differ from one thread's\n", kThreads, kRounds * kPositions * kLevels,
         total);
  return total == 0 ? 0 : 1;
}

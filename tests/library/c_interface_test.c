/* The C interface against the file program: on random boards at every level and over
   many seeds, tulvo_choose_move gives the move the file program writes with its clock
   frozen at the seed's time, and tulvo_analyze gives every cell tulvo-analyze lists
   with the same scores. Then every status code for bad arguments, and the reader.
   Uses only <tulvo/tulvo.h> (and POSIX to run the programs).
   Usage: c_interface_test TULVO TULVO_ANALYZE FAKETIME_LIBRARY */
#define _POSIX_C_SOURCE 200809L

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <tulvo/tulvo.h>

#include "c_check.h"

static char folder[] = "/tmp/tulvo-c-test-XXXXXX";

static unsigned int state = 12345u;
static int RandomBelow(int n) {
  state = state * 1103515245u + 12345u;
  return (int)((state >> 8) % (unsigned int)n);
}

/* A board of the given side with stones of both colours on random free cells. */
static void RandomBoard(unsigned char *cells, int size, int stones) {
  memset(cells, TULVO_EMPTY, (size_t)(size * size));
  for (int placed = 0; placed < stones && placed < size * size; placed++) {
    int i;
    do i = RandomBelow(size * size);
    while (cells[i] != TULVO_EMPTY);
    cells[i] = (unsigned char)(placed % 2 == 0 ? TULVO_X : TULVO_O);
  }
}

static void WriteBoard(const unsigned char *cells, int size) {
  char path[256];
  snprintf(path, sizeof path, "%s/plocha.dat", folder);
  FILE *board = fopen(path, "w");
  for (int y = 0; y < size; y++) {
    for (int x = 0; x < size; x++) fputc("-xo"[cells[y * size + x]], board);
    fputc('\n', board);
  }
  fclose(board);
}

/* tah.dat again before every run: the file program writes its move into it. */
static void WriteSide(int side) {
  char path[256];
  snprintf(path, sizeof path, "%s/tah.dat", folder);
  FILE *tah = fopen(path, "w");
  fputc(side == TULVO_X ? 'x' : 'o', tah);
  fclose(tah);
}

/* The file program's move with its clock frozen at the seed's time of day (UTC), run
   through the frozen-clock script, which removes what the clock library leaves in
   /dev/shm: 1 and the move, or 0 when tah.dat still holds the side letter. */
static int FileProgramMove(const char *program, const char *faketime, int level, unsigned int seed, tulvo_move *move) {
  char command[1024];
  snprintf(command, sizeof command, "cd '%s' && TZ=UTC '%s' '%s' '2026-01-01 %02u:%02u:%02u' '%s' /%d > /dev/null",
           folder, TULVO_FROZEN_CLOCK, faketime, seed / 3600000u, seed / 60000u % 60u, seed / 1000u % 60u, program,
           level);
  CHECK(system(command) == 0, "%s failed", command);
  char path[256];
  snprintf(path, sizeof path, "%s/tah.dat", folder);
  FILE *tah = fopen(path, "r");
  int read = fscanf(tah, "%d,%d", &move->x, &move->y);
  fclose(tah);
  return read == 2;
}

/* tulvo-analyze's cells (x, y, base, cell score) and move for the files in the folder;
   returns the number of cells. */
static int AnalyzeCells(const char *program, int level, unsigned int seed, tulvo_cell *cells, char *move_text) {
  char command[1024];
  snprintf(command, sizeof command, "'%s' --level %d --seed %u --format tsv '%s'", program, level, seed, folder);
  FILE *output = popen(command, "r");
  int count = 0;
  char line[128];
  while (fgets(line, sizeof line, output) != NULL) {
    if (sscanf(line, "move\t%31s", move_text) == 1) continue;
    tulvo_cell *cell = &cells[count < TULVO_MAX_CELLS ? count++ : count - 1];
    sscanf(line, "%d\t%d\t%d\t%d", &cell->x, &cell->y, &cell->base_score, &cell->cell_score);
  }
  CHECK(pclose(output) == 0, "%s failed", command);
  return count;
}

static void CompareWithPrograms(const char *tulvo, const char *analyze, const char *faketime) {
  static const int sizes[] = {20, 20, 15, 10, 20, 7, 3, 20, 12};
  static const int stones[] = {100, 0, 1, 2, 30, 40, 9, 250, 60};
  unsigned char cells[TULVO_MAX_CELLS];
  tulvo_cell expected[TULVO_MAX_CELLS], got[TULVO_MAX_CELLS];
  int cases = 0;
  for (size_t b = 0; b < sizeof sizes / sizeof sizes[0]; b++) {
    const int size = sizes[b], side = b % 2 == 0 ? TULVO_X : TULVO_O;
    RandomBoard(cells, size, stones[b]);
    WriteBoard(cells, size);
    for (int level = 0; level <= TULVO_MAX_LEVEL; level++) {
      for (int s = 0; s < 2; s++) {
        /* Whole seconds: the clock library rounds a frozen time's milliseconds down
           by one now and then. */
        const unsigned int seed = 1000u * (unsigned int)RandomBelow(86400);
        tulvo_move program_move = {-1, -1}, move, analyzed;
        WriteSide(side);
        const int program_moved = FileProgramMove(tulvo, faketime, level, seed, &program_move);
        const int moved = tulvo_choose_move(cells, size, side, level, seed, &move);
        CHECK(moved == program_moved && (!moved || (move.x == program_move.x && move.y == program_move.y)),
              "board %zu level %d seed %u: tulvo_choose_move %d (%d,%d), the file program %d (%d,%d)", b, level, seed,
              moved, move.x, move.y, program_moved, program_move.x, program_move.y);

        char move_text[32] = "";
        WriteSide(side);
        const int expected_count = AnalyzeCells(analyze, level, seed, expected, move_text);
        const int count = tulvo_analyze(cells, size, side, level, seed, &analyzed, got, TULVO_MAX_CELLS);
        char got_text[32] = "none";
        if (analyzed.x >= 0) snprintf(got_text, sizeof got_text, "%d,%d", analyzed.x, analyzed.y);
        CHECK(count == expected_count && strcmp(got_text, move_text) == 0,
              "board %zu level %d seed %u: tulvo_analyze %d cells, move %s; tulvo-analyze %d cells, move %s", b, level,
              seed, count, got_text, expected_count, move_text);
        for (int i = 0; i < count && i < expected_count; i++)
          CHECK(got[i].x == expected[i].x && got[i].y == expected[i].y && got[i].base_score == expected[i].base_score &&
                    got[i].cell_score == expected[i].cell_score && tulvo_tier_text(level, got[i].tier)[0] != '\0',
                "board %zu level %d seed %u cell %d: %d,%d %d %d tier %d; expected %d,%d %d %d", b, level, seed, i,
                got[i].x, got[i].y, got[i].base_score, got[i].cell_score, got[i].tier, expected[i].x, expected[i].y,
                expected[i].base_score, expected[i].cell_score);
        cases++;
      }
    }
  }
  printf("%d positions, levels and seeds agree with the file program and tulvo-analyze\n", cases);
}

static void BadArguments(void) {
  unsigned char cells[TULVO_MAX_CELLS] = {0};
  tulvo_move move;
  tulvo_cell out[TULVO_MAX_CELLS];
  RandomBoard(cells, 20, 60);
  unsigned char bad_cell[TULVO_MAX_CELLS] = {0};
  bad_cell[20 * 5 + 7] = 4;
  const struct {
    const char *what;
    int got, expected;
  } cases[] = {
      {"null cells", tulvo_choose_move(NULL, 20, 1, 6, 0, &move), TULVO_E_NULL},
      {"null move", tulvo_choose_move(cells, 20, 1, 6, 0, NULL), TULVO_E_NULL},
      {"size 0", tulvo_choose_move(cells, 0, 1, 6, 0, &move), TULVO_E_SIZE},
      {"size 21", tulvo_choose_move(cells, 21, 1, 6, 0, &move), TULVO_E_SIZE},
      {"size -3", tulvo_analyze(cells, -3, 1, 6, 0, &move, out, TULVO_MAX_CELLS), TULVO_E_SIZE},
      {"cell code 4", tulvo_choose_move(bad_cell, 20, 1, 6, 0, &move), TULVO_E_CELL},
      {"side 0", tulvo_choose_move(cells, 20, 0, 6, 0, &move), TULVO_E_SIDE},
      {"side 3", tulvo_analyze(cells, 20, 3, 6, 0, &move, out, TULVO_MAX_CELLS), TULVO_E_SIDE},
      {"level 7", tulvo_choose_move(cells, 20, 1, TULVO_MAX_LEVEL + 1, 0, &move), TULVO_E_LEVEL},
      {"level -1", tulvo_analyze(cells, 20, 1, -1, 0, &move, out, TULVO_MAX_CELLS), TULVO_E_LEVEL},
      {"analyze null cells", tulvo_analyze(NULL, 20, 1, 6, 0, &move, out, TULVO_MAX_CELLS), TULVO_E_NULL},
      {"analyze null move", tulvo_analyze(cells, 20, 1, 6, 0, NULL, out, TULVO_MAX_CELLS), TULVO_E_NULL},
      {"analyze null out", tulvo_analyze(cells, 20, 1, 6, 0, &move, NULL, 5), TULVO_E_NULL},
      {"capacity too small", tulvo_analyze(cells, 20, 1, 6, 0, &move, out, 10), TULVO_E_CAPACITY},
      {"read null text", tulvo_read_board(NULL, 5, cells, &(int){0}, NULL, 0), TULVO_E_NULL},
      {"read null cells", tulvo_read_board("x\n", 2, NULL, &(int){0}, NULL, 0), TULVO_E_NULL},
      {"read null size", tulvo_read_board("x\n", 2, cells, NULL, NULL, 0), TULVO_E_NULL},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; i++)
    CHECK(cases[i].got == cases[i].expected, "%s: %d, expected %d", cases[i].what, cases[i].got, cases[i].expected);

  /* Too small a capacity still gives the move; no room at all is allowed. */
  tulvo_move chosen;
  tulvo_choose_move(cells, 20, 1, 6, 0, &chosen);
  move.x = move.y = -9;
  CHECK(
      tulvo_analyze(cells, 20, 1, 6, 0, &move, NULL, 0) == TULVO_E_CAPACITY && move.x == chosen.x && move.y == chosen.y,
      "capacity 0: move %d,%d, expected %d,%d", move.x, move.y, chosen.x, chosen.y);
}

/* The capacity is enough when it equals the count; an opening evaluates no cell, so
   it needs no room at all. */
static void CapacityBounds(void) {
  unsigned char cells[TULVO_MAX_CELLS];
  tulvo_move move;
  tulvo_cell out[TULVO_MAX_CELLS];
  RandomBoard(cells, 15, 50);
  const int count = tulvo_analyze(cells, 15, TULVO_O, 4, 9, &move, out, TULVO_MAX_CELLS);
  CHECK(count > 0 && tulvo_analyze(cells, 15, TULVO_O, 4, 9, &move, out, count) == count,
        "capacity equal to the count %d is refused", count);
  CHECK(tulvo_analyze(cells, 15, TULVO_O, 4, 9, &move, out, count - 1) == TULVO_E_CAPACITY,
        "capacity one below the count %d is accepted", count);
  memset(cells, TULVO_EMPTY, sizeof cells);
  CHECK(tulvo_analyze(cells, 15, TULVO_X, 6, 9, &move, NULL, 0) == 0 && move.x >= 0,
        "an opening with no room for cells: move %d,%d", move.x, move.y);
}

/* Blocked cells are accepted and never chosen: on random boards with many of them at
   every level, and where X's winning cell is blocked and only the line's other end
   completes a five. */
static void BlockedCells(void) {
  unsigned char cells[TULVO_MAX_CELLS];
  tulvo_move move;
  for (int trial = 0; trial < 12; trial++) {
    RandomBoard(cells, 15, 20 + 10 * trial);
    for (int i = 0; i < 225; i++)
      if (cells[i] == TULVO_EMPTY && RandomBelow(3) == 0) cells[i] = TULVO_BLOCKED;
    for (int level = 0; level <= TULVO_MAX_LEVEL; level++) {
      const int moved = tulvo_choose_move(cells, 15, 1 + trial % 2, level, (unsigned int)trial, &move);
      CHECK(moved == 1 && cells[move.y * 15 + move.x] == TULVO_EMPTY, "trial %d level %d: %d, move %d,%d is code %d",
            trial, level, moved, move.x, move.y, moved == 1 ? cells[move.y * 15 + move.x] : -1);
    }
  }
  memset(cells, TULVO_EMPTY, sizeof cells);
  for (int x = 3; x <= 6; x++) cells[7 * 10 + x] = TULVO_X; /* x 3..6 on row 7 */
  cells[7 * 10 + 2] = TULVO_BLOCKED;
  cells[0] = cells[9] = cells[99] = TULVO_O;
  for (int level = 0; level <= TULVO_MAX_LEVEL; level++)
    CHECK(tulvo_choose_move(cells, 10, TULVO_X, level, 3, &move) == 1 && move.x == 7 && move.y == 7,
          "level %d: X plays %d,%d, not the five at 7,7", level, move.x, move.y);
}

/* Every status code has its own text. */
static void StatusTexts(void) {
  const char *texts[10];
  for (int code = -1; code >= TULVO_E_COUNT; code--) {
    texts[-code] = tulvo_status_text(code);
    CHECK(strcmp(texts[-code], "unknown status") != 0, "status %d has no text", code);
    for (int other = -1; other > code; other--)
      CHECK(strcmp(texts[-code], texts[-other]) != 0, "statuses %d and %d share \"%s\"", code, other, texts[-code]);
  }
  CHECK(strcmp(tulvo_status_text(TULVO_E_COUNT - 1), "unknown status") == 0, "status %d", TULVO_E_COUNT - 1);
  CHECK(strcmp(tulvo_status_text(0), "no fault") == 0 && strcmp(tulvo_status_text(1), "no fault") == 0, "status 0");
  CHECK(strstr(tulvo_status_text(TULVO_E_LEVEL), "0..6") != NULL, "%s", tulvo_status_text(TULVO_E_LEVEL));
}

static void ReadBoard(void) {
  unsigned char cells[TULVO_MAX_CELLS];
  int size = 0;
  char message[256];
  const char text[] = "--x-\r\n-o--\r\n----\r\n--x-\r\n";
  CHECK(tulvo_read_board(text, strlen(text), cells, &size, message, sizeof message) == 0 && size == 4 &&
            cells[0 * 4 + 2] == TULVO_X && cells[1 * 4 + 1] == TULVO_O && cells[3 * 4 + 2] == TULVO_X &&
            cells[2 * 4 + 2] == TULVO_EMPTY && message[0] == '\0',
        "reading a 4 x 4 board: size %d", size);

  const struct {
    const char *text;
    size_t length;
    const char *message;
  } faults[] = {
      {"", 0, "Spatna velikost"},
      {"---------------------\n", 22, "moc dlouhej radek"},
  };
  for (size_t i = 0; i < sizeof faults / sizeof faults[0]; i++) {
    memset(message, 'z', sizeof message);
    const int code = tulvo_read_board(faults[i].text, faults[i].length, cells, &size, message, sizeof message);
    CHECK(code == TULVO_E_BOARD && strstr(message, faults[i].message) != NULL && strstr(message, ": ") != NULL,
          "fault %zu: %d \"%s\"", i, code, message);
  }
  /* A short buffer gets the message's beginning, terminated. */
  char small[6];
  tulvo_read_board("", 0, cells, &size, small, sizeof small);
  CHECK(strlen(small) == 5, "a six-byte buffer holds \"%s\"", small);
}

int main(int argc, char **argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: %s TULVO TULVO_ANALYZE FAKETIME_LIBRARY\n", argv[0]);
    return 2;
  }
  if (mkdtemp(folder) == NULL) return 2;
  BadArguments();
  CapacityBounds();
  BlockedCells();
  StatusTexts();
  ReadBoard();
  if (argv[3][0] == '\0') {
    /* In CI the clock library must be there: a missing one fails rather than skips. */
    const char *ci = getenv("CI");
    CHECK(ci == NULL || strcmp(ci, "true") != 0, "libfaketime was not found when the build was configured");
    printf("SKIP the comparison with the file program: libfaketime was not found when the build was configured\n");
  } else
    CompareWithPrograms(argv[1], argv[2], argv[3]);
  char command[300];
  snprintf(command, sizeof command, "rm -rf '%s'", folder);
  if (system(command) != 0) failures++;
  CHECK(strcmp(tulvo_version(), TULVO_VERSION_TEXT) == 0, "version %s", tulvo_version());
  printf("%s\n", failures == 0 ? "all passed" : "FAILED");
  return failures == 0 ? 0 : 1;
}

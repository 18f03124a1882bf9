/* A C program using the installed tulvo: reads the board given as text, prints the
   version and the move at level 6 with seed 1000. */
#include <stdio.h>
#include <string.h>
#include <tulvo/tulvo.h>

int main(int argc, char **argv) {
  const char *text = argc > 1 ? argv[1] : "";
  unsigned char cells[TULVO_MAX_CELLS];
  int size;
  char message[200];
  if (tulvo_read_board(text, strlen(text), cells, &size, message, sizeof message) != 0) {
    printf("%s\n", message);
    return 1;
  }
  tulvo_move move;
  if (tulvo_choose_move(cells, size, TULVO_O, 6, 1000u, &move) != 1) return 1;
  printf("tulvo %s: %d,%d\n", tulvo_version(), move.x, move.y);
  return 0;
}

/* The floor of the whole-process benchmark: the file work of one move and nothing
   else. Reads plocha.dat and tah.dat's first byte, then writes a move into tah.dat. */
#include <fcntl.h>
#include <unistd.h>

int main(void) {
  char board[448];
  char side = 0;
  int file = open("plocha.dat", O_RDONLY);
  if (file < 0 || read(file, board, sizeof board) <= 0) return 1;
  close(file);
  file = open("tah.dat", O_RDWR);
  if (file < 0 || read(file, &side, 1) != 1) return 1;
  close(file);
  file = open("tah.dat", O_WRONLY | O_TRUNC);
  if (file < 0 || write(file, side == 'x' ? "9,9" : "9,10", side == 'x' ? 3 : 4) < 0) return 1;
  close(file);
  return 0;
}

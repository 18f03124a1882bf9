// Entry point of the file program.
#include "driver/run_sequence.h"
#include "tulvo/platform.h"

int main(int argc, char** argv) {
  PlatformStart(argc, argv);
  RunProgram();
}

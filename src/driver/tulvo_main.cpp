// Entry point of the file program.
#include "driver/platform.h"
#include "driver/run_sequence.h"

int main(int argc, char** argv) {
  PlatformStart(argc, argv);
  RunProgram();
}

// Entry point of the file program.
#include "file_program/run_sequence.h"
#include <tulvo/platform.h>

int main(int argc, char** argv) {
  tulvo::PlatformStart(argc, argv);
  tulvo::file_program::RunProgram();
}

// Entry point of the file program.
#include <tulvo/platform.h>

#include "file_program/run_sequence.h"

int main(int argc, char** argv) {
  tulvo::PlatformStart(argc, argv);
  tulvo::file_program::RunProgram();
}

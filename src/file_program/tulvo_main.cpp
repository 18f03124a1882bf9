// Entry point of the file program.
#include <tulvo/platform.h>

#include "file_program/run_sequence.h"

// The run's one engine state, in static storage: a run makes no allocation for it.
static tulvo::EngineStorage engineStorage;

int main(int argc, char** argv) {
  tulvo::PlatformStart(argc, argv);
  tulvo::file_program::RunProgram(engineStorage);
}

// Protocol file contents and console output shared by the tests that run a built program.
#pragma once

#include <functional>
#include <string>

#include "support/program_runner.h"

namespace tulvo::test {

// The usage banner as the program prints it, with its final CR LF.
extern const std::string kBannerOutput;

// An empty square board of the given side, each line ended by end.
std::string Rows(int side, const std::string& end = "\n");
// A run over the protocol files: what the program printed, and tah.dat afterwards.
struct Outcome {
  ProgramRun run;
  std::string tah;
};
// Writes plocha.dat and tah.dat into a fresh scratch directory, runs the program there
// through run, then reads tah.dat back.
Outcome PlayInScratch(const std::string& plocha, const std::string& tah,
                      const std::function<ProgramRun(const ScratchDirectory&)>& run);

// X four at (5..8, 5), O at (4, 5) and (10, 10): only (9, 5) completes five.
std::string FiveCompletion(const std::string& end = "\n");

}  // namespace tulvo::test

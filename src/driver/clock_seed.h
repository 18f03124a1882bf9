// The file program's seed: the UTC time of day in milliseconds.
#pragma once

namespace tulvo::file_program {

// Seeds the engine's random source from the platform's clock.
void SeedRandom();

}  // namespace tulvo::file_program

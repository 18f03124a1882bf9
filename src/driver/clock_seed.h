// The file program's seed: the UTC time of day in milliseconds.
#pragma once

// Seeds the engine's random source from the platform's clock.
void SeedRandom();

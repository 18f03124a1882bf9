// The functional signature of the file program's own whole sequence, on the
// in-memory platform: the same hash as the door's when both behave alike.
#pragma once

#include <cstdint>

uint64_t ComputeFileProgramSignature();

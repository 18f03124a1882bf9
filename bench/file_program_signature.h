// The functional signature of the file program's own whole sequence, on the
// in-memory platform: the same hash as the door's when both behave alike.
#pragma once

#include <cstdint>

namespace tulvo::bench {

uint64_t ComputeFileProgramSignature();

}  // namespace tulvo::bench

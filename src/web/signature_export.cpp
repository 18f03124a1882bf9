// The functional signature as a WebAssembly export, so the tests can compare the
// WebAssembly build's moves and scores with bench/signature.expected.
#include <cstdint>

#include "signature/signature.h"

extern "C" __attribute__((export_name("signature"))) uint64_t Signature() { return tulvo::bench::ComputeSignature(); }

// tulvo-signature [EXPECTED]: prints the functional signature computed through the
// engine's door and, given the expected value, fails on a change.
#include "signature/signature.h"

int main(int argc, char** argv) {
  return tulvo::bench::ReportSignature(tulvo::bench::ComputeSignature(), argc >= 2 ? argv[1] : nullptr);
}

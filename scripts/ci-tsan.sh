#!/usr/bin/env bash
# Builds libtulvo and its tests with ThreadSanitizer and runs the tests that call the
# engine from several threads at once, and the library's other tests. Any report of
# a data race (or any other finding) fails the stage.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${TSAN_BUILD:-build-tsan}
jobs=${JOBS:-2}
flags="-fsanitize=thread -fno-omit-frame-pointer"

scripts/install-deps.sh
scripts/configure.sh "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTULVO_WERROR=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags"
# The library's tests, and the programs its C test compares against.
cmake --build "$build" -j "$jobs" --target tulvo_library_threads_tests tulvo_c_threads_test \
  tulvo_c_interface_test tulvo_c_batch_test tulvo tulvo-analyze
# Kernels that randomise mappings with more bits than this runtime knows make it stop
# at start-up ("unexpected memory mapping"); the tests run without that randomisation.
run=()
if command -v setarch > /dev/null && setarch "$(uname -m)" -R true 2> /dev/null; then
  run=(setarch "$(uname -m)" -R)
fi
TSAN_OPTIONS="halt_on_error=1:abort_on_error=1:report_signal_unsafe=0" \
  "${run[@]}" ctest --test-dir "$build" --output-on-failure -j "$jobs" -R '^(library_c_|Library/)'

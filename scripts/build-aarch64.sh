#!/usr/bin/env bash
# Cross-builds the Linux programs for aarch64 with Debian's cross compiler (installed
# when missing), statically linked, and checks that none asks for a dynamic loader.
# Usage: build-aarch64.sh [BUILD_DIR]   Leaves the programs in BUILD_DIR/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-aarch64}
cross=aarch64-linux-gnu

scripts/install-packages.sh --no-recommends g++-$cross binutils-$cross cmake ninja-build

targets=(tulvo pbrain-tulvo tulvo-analyze)

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake \
  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$(realpath -m "$build")/bin" -DTULVO_BUILD_TESTS=OFF -DTULVO_BUILD_BENCH=OFF \
  -DTULVO_WERROR=ON > /dev/null
cmake --build "$build" -j 2 --target "${targets[@]}"

# A program with a program interpreter or a dynamic section would need a sysroot.
for target in "${targets[@]}"; do
  program="$build/bin/$target"
  if $cross-readelf -l "$program" | grep -Eq 'INTERP|DYNAMIC'; then
    echo "$program is not statically linked" >&2
    exit 1
  fi
  echo "$program: $($cross-readelf -h "$program" | sed -n 's/^ *Machine: *//p'), statically linked"
done

#!/usr/bin/env bash
# Builds the Linux release programs for ARCH (aarch64: cross-built with Debian's cross
# compiler, installed when missing; x86_64: with the native compiler), statically
# linked, and checks that none asks for a dynamic loader.
# Usage: build-linux.sh aarch64|x86_64 [BUILD_DIR]   Leaves the programs in BUILD_DIR/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:?"Usage: build-linux.sh aarch64|x86_64 [BUILD_DIR]"}
build=${2:-build-$arch}

case $arch in
  aarch64)
    tools=aarch64-linux-gnu-
    scripts/install-packages.sh --no-recommends g++-aarch64-linux-gnu binutils-aarch64-linux-gnu cmake ninja-build
    flags=(-DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake)
    ;;
  x86_64)
    tools=
    scripts/install-packages.sh --no-recommends g++ binutils cmake ninja-build
    flags=(-DCMAKE_EXE_LINKER_FLAGS=-static)
    ;;
  *)
    echo "build-linux.sh: unknown architecture '$arch' (expected aarch64 or x86_64)" >&2
    exit 2
    ;;
esac

targets=(tulvo pbrain-tulvo tulvo-analyze)

scripts/configure.sh "$build" "${flags[@]}" -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$(realpath -m "$build")/bin" \
  -DTULVO_BUILD_TESTS=OFF -DTULVO_BUILD_BENCH=OFF -DTULVO_WERROR=ON
cmake --build "$build" -j 2 --target "${targets[@]}"

# A program with a program interpreter or a dynamic section would need the build
# machine's C library, or a sysroot under emulation.
for target in "${targets[@]}"; do
  program="$build/bin/$target"
  if "${tools}readelf" -l "$program" | grep -Eq 'INTERP|DYNAMIC'; then
    echo "$program is not statically linked" >&2
    exit 1
  fi
  echo "$program: $("${tools}readelf" -h "$program" | sed -n 's/^ *Machine: *//p'), statically linked"
done

#!/usr/bin/env bash
# Cross-builds the Windows programs with MinGW-w64 (installed when missing) and checks
# that each imports system DLLs only. Usage: build-windows.sh [BUILD_DIR]
# Leaves tulvo.exe, pbrain-tulvo.exe, tulvo-analyze.exe, tulvo-arena.exe and the
# arena tests' fake_engine.exe in BUILD_DIR/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
mingw=x86_64-w64-mingw32

if ! command -v $mingw-g++ > /dev/null || ! command -v cmake > /dev/null || ! command -v ninja > /dev/null; then
  scripts/install-packages.sh --no-recommends g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 cmake ninja-build
fi

targets=(tulvo pbrain-tulvo tulvo-analyze tulvo-arena fake_engine)

scripts/configure.sh "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$(realpath -m "$build")/bin" -DTULVO_BUILD_TESTS=OFF -DTULVO_BUILD_BENCH=OFF -DTULVO_WERROR=ON
cmake --build "$build" -j 2 --target "${targets[@]}"

# Windows itself provides these; anything else would have to ship beside the programs.
system_dlls='^(kernel32|msvcrt|ucrtbase|user32|advapi32|ws2_32|api-ms-win-[a-z0-9-]+)\.dll$'
for target in "${targets[@]}"; do
  program="$build/bin/$target.exe"
  imports=$($mingw-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
  foreign=$(echo "$imports" | tr 'A-Z' 'a-z' | grep -Ev "$system_dlls" || true)
  if [ -n "$foreign" ]; then
    echo "$program needs DLLs that Windows does not provide: $foreign" >&2
    exit 1
  fi
  echo "$program imports only: $(echo $imports)"
done

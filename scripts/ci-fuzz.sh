#!/usr/bin/env bash
# Builds the libFuzzer target with clang, replays the checked-in corpus, then fuzzes
# from it for a short while (FUZZ_SECONDS, default 90). Any finding fails the stage
# and leaves the input that caused it in the build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${FUZZ_BUILD:-build-fuzz}
seconds=${FUZZ_SECONDS:-90}
fuzzer="$build/fuzz/tulvo_program_fuzzer"

scripts/install-deps.sh clang
# libFuzzer and the sanitizer runtimes come in the package of the installed clang's
# major version.
clang_major=$(clang -dumpversion | cut -d. -f1)
scripts/install-packages.sh "libclang-rt-$clang_major-dev"
CC=clang CXX=clang++ scripts/configure.sh "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTULVO_FUZZ=ON -DTULVO_BUILD_TESTS=OFF -DTULVO_WERROR=ON
cmake --build "$build" -j "${JOBS:-2}"

echo "Replaying fuzz/corpus"
"$fuzzer" -runs=0 fuzz/corpus

echo "Fuzzing for ${seconds} s"
work="$build/fuzz-work"
rm -rf "$work"
mkdir -p "$work/corpus"
cp fuzz/corpus/* "$work/corpus/"
"$fuzzer" -max_total_time="$seconds" -max_len=600 -print_final_stats=1 \
  -artifact_prefix="$build/" "$work/corpus"

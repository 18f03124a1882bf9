#!/usr/bin/env bash
# Configures BUILD from this source tree with the CMake options given, quietly. A new
# build folder gets Ninja; one configured before keeps the generator it has, since
# CMake refuses to change it. Usage: configure.sh BUILD [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?"Usage: configure.sh BUILD [CMAKE_OPTION...]"}
shift
generator=()
[ -f "$build/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S . -B "$build" "${generator[@]}" "$@" > /dev/null

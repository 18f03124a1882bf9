#!/usr/bin/env bash
# Makes sure the tools and libraries that the build and the tests need are present.
# Each is looked for itself (a command, a header, the clock library), so when all are
# there no package tool runs at all; the Debian packages of those that are missing,
# and any package named as an argument, go to scripts/install-packages.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

header() { printf '#include <%s>\n' "$1" | g++ -x c++ -E -o /dev/null -; }

# The clock library the tests preload; cmake/faketime.cmake finds it in these folders.
faketime_library() {
  for library in /usr/lib/*/faketime/libfaketimeMT.so.1 /usr/lib/faketime/libfaketimeMT.so.1 \
    /usr/local/lib/faketime/libfaketimeMT.so.1; do
    [ -e "$library" ] && return 0
  done
  return 1
}

packages=("$@")
# need PACKAGES CHECK...: the packages (blank-separated) are wanted when the check fails.
need() {
  local names=$1
  shift
  if ! "$@" > /dev/null 2>&1; then
    read -ra names <<< "$names"
    packages+=("${names[@]}")
  fi
}
need cmake command -v cmake
need ninja-build command -v ninja
need g++ command -v g++
need make command -v make
need "libgtest-dev googletest" header gtest/gtest.h
need libbenchmark-dev header benchmark/benchmark.h
need libfaketime faketime_library
# The library's tests: Debian's Python with NumPy for the module, pkg-config for the
# consumer program built against the installed tree.
need "python3 python3-numpy" /usr/bin/python3 -c 'import numpy'
need pkg-config command -v pkg-config

[ ${#packages[@]} -eq 0 ] || exec scripts/install-packages.sh "${packages[@]}"

#!/usr/bin/env bash
# Installs the build into a scratch prefix, then builds the consumer program against
# it twice, with find_package(tulvo) (shared and static) and with pkg-config, and runs
# each build on a board where O must block X's four: the only answer is 5,2.
# Usage: run.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

cmake --install "$build" --prefix "$prefix" > /dev/null
board=$'--------\n--------\noxxxx---\n--------\n--o-----\n---o----\n--------\n--------\n'
expected="tulvo 3.1: 5,2"

check() {  # WHAT PROGRAM
  local answer
  answer=$(LD_LIBRARY_PATH="$prefix/lib" "$2" "$board")
  if [ "$answer" != "$expected" ]; then
    echo "$1: printed \"$answer\", expected \"$expected\"" >&2
    exit 1
  fi
  echo "$1: $answer"
}

cmake -S "$here" -B "$scratch/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" > /dev/null
cmake --build "$scratch/cmake" > /dev/null
check "find_package(tulvo), tulvo::tulvo" "$scratch/cmake/consumer"
check "find_package(tulvo), tulvo::tulvo_static" "$scratch/cmake/consumer_static"
if readelf -d "$scratch/cmake/consumer_static" | grep -q libtulvo; then
  echo "consumer_static needs libtulvo.so" >&2
  exit 1
fi

# pkg-config, as a Makefile or a shell would use it.
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
cc -std=c99 -Wall -Werror $(pkg-config --cflags tulvo) "$here/consumer.c" -o "$scratch/consumer_pc" $(pkg-config --libs tulvo)
check "pkg-config --libs tulvo" "$scratch/consumer_pc"

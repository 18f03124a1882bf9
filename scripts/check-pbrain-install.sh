#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks that it installs exactly what the
# README lists (the four programs, libtulvo with its headers, CMake package and
# pkg-config file, the man pages and the license), and that pbrain-tulvo answers a
# short session.
set -euo pipefail
build="${1:-build}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
installed="$(cd "$prefix" && find . ! -type d | LC_ALL=C sort | tr '\n' ' ')"
expected="./bin/pbrain-tulvo ./bin/tulvo ./bin/tulvo-analyze ./bin/tulvo-arena ./include/tulvo/engine.h \
./include/tulvo/tulvo.h ./lib/cmake/tulvo/tulvoConfig.cmake ./lib/cmake/tulvo/tulvoConfigVersion.cmake \
./lib/cmake/tulvo/tulvoTargets-release.cmake ./lib/cmake/tulvo/tulvoTargets.cmake ./lib/libtulvo.a ./lib/libtulvo.so \
./lib/libtulvo.so.3 ./lib/libtulvo.so.3.1 ./lib/pkgconfig/tulvo.pc ./share/doc/tulvo/copyright \
./share/man/man6/pbrain-tulvo.6.gz ./share/man/man6/tulvo-analyze.6.gz ./share/man/man6/tulvo-arena.6.gz \
./share/man/man6/tulvo.6.gz "
if [ "$installed" != "$expected" ]; then
  echo "cmake --install installs: $installed; the README lists: $expected" >&2
  exit 1
fi
answer="$(printf 'START 20\r\nBEGIN\r\nEND\r\n' | "$prefix/bin/pbrain-tulvo")"
if [ "$answer" != "$(printf 'OK\n9,9')" ]; then
  echo "pbrain-tulvo answered: $answer" >&2
  exit 1
fi
echo "cmake --install installs the four programs, the library and the man pages, and pbrain-tulvo answers"

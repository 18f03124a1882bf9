#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks that it installs exactly the four
# programs the README lists, and that pbrain-tulvo answers a short session.
set -euo pipefail
build="${1:-build}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
installed="$(cd "$prefix" && find . ! -type d | LC_ALL=C sort | tr '\n' ' ')"
expected="./bin/pbrain-tulvo ./bin/tulvo ./bin/tulvo-analyze ./bin/tulvo-arena "
if [ "$installed" != "$expected" ]; then
  echo "cmake --install installs: $installed; the README lists: $expected" >&2
  exit 1
fi
answer="$(printf 'START 20\r\nBEGIN\r\nEND\r\n' | "$prefix/bin/pbrain-tulvo")"
if [ "$answer" != "$(printf 'OK\n9,9')" ]; then
  echo "pbrain-tulvo answered: $answer" >&2
  exit 1
fi
echo "cmake --install installs the four programs, and pbrain-tulvo answers"

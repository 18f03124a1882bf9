#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that pbrain-tulvo sits beside
# tulvo and answers a short session.
set -euo pipefail
build="${1:-build}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
test -x "$prefix/bin/tulvo"
answer="$(printf 'START 20\r\nBEGIN\r\nEND\r\n' | "$prefix/bin/pbrain-tulvo")"
if [ "$answer" != "$(printf 'OK\n9,9')" ]; then
  echo "pbrain-tulvo answered: $answer" >&2
  exit 1
fi
echo "pbrain-tulvo installed beside tulvo and answers"

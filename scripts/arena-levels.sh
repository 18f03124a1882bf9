#!/usr/bin/env bash
# Round robin of tulvo's levels 0..6 with tulvo-arena, on 15x15 and on 20x20: the
# table in the README. Usage: arena-levels.sh [BUILD_DIR] [GAMES] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
games=${2:-200}
jobs=${3:-2}

engines=()
for level in 0 1 2 3 4 5 6; do engines+=("file:$build/tulvo /$level"); done
for size in 15 20; do
  "$build/src/arena/tulvo-arena" -s "$size" -n "$games" -j "$jobs" --seed 1 "${engines[@]}"
  echo
done

#!/usr/bin/env bash
# Round robin of tulvo's levels 0..6 with tulvo-arena: the tables in docs/strength.md.
# Usage: arena-levels.sh SIZE file|pipe [GAMES] [JOBS] [MORE tulvo-arena OPTIONS]
# "file" starts tulvo once per move; "pipe" keeps one pbrain-tulvo per game running
# (the same moves, without a process per move). BUILD (default build) names the build
# folder whose bin/ holds the programs; TULVO and PBRAIN override the engines.
set -euo pipefail
cd "$(dirname "$0")/.."
size=${1:?board size 15 or 20}
protocol=${2:?file or pipe}
games=${3:-200}
jobs=${4:-2}
shift $(($# < 4 ? $# : 4))
bin=${BUILD:-build}/bin
case "$protocol" in
  file) program=${TULVO:-$bin/tulvo} ;;
  pipe) program=${PBRAIN:-$bin/pbrain-tulvo} ;;
  *) echo "protocol must be file or pipe" >&2; exit 2 ;;
esac

engines=()
for level in 0 1 2 3 4 5 6; do engines+=("$protocol:$program /$level"); done
"$bin/tulvo-arena" -s "$size" -n "$games" -j "$jobs" --seed 1 "$@" "${engines[@]}"

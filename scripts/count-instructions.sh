#!/usr/bin/env bash
# Counts the instructions inside main for one run of the file program at level 6 on the
# benchmarks' 100-stone position (20x20, X to move), with the clock frozen and every
# symbol bound before main (LD_BIND_NOW), so the count is the run's own work and repeats
# exactly. Prints "N instructions in main".
# Usage: count-instructions.sh PROGRAM BENCH_PROGRAM FAKETIME_LIBRARY
# (BENCH_PROGRAM is the tulvo-bench that prints the position.)
set -euo pipefail
[ $# -eq 3 ] || { echo "Usage: count-instructions.sh PROGRAM BENCH_PROGRAM FAKETIME_LIBRARY" >&2; exit 2; }
program=$(realpath "$1")
bench=$(realpath "$2")
library=$3
frozen=$(realpath "$(dirname "$0")/frozen-clock.sh")
command -v valgrind > /dev/null || { echo "valgrind is not installed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" position 2 > "$work/plocha.dat"
printf x > "$work/tah.dat"
(cd "$work" && LD_BIND_NOW=1 "$frozen" "$library" '2026-01-01 12:00:00' \
  valgrind --tool=callgrind --toggle-collect=main --callgrind-out-file="$work/callgrind.out" "$program" /6 \
  > "$work/run.log" 2>&1) || { cat "$work/run.log" >&2; exit 1; }
[ "$(cat "$work/tah.dat")" != x ] || { echo "the program wrote no move" >&2; exit 1; }
awk '/^summary:/ { total = $2 } END { if (!total) exit 1; printf "%d instructions in main\n", total }' "$work/callgrind.out"

#!/usr/bin/env bash
# Times the whole file program against the floor program (the same file work in a
# minimal C program) on the midgame sample, in one hyperfine run, and prints both
# medians and their ratio. Every timed run starts from the original tah.dat, so the
# program plays the same move each time. Also checks that a frozen clock still gives
# a reproducible move. Usage: bench-process.sh [BUILD_DIR] [RUNS] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-2000}
rounds=${3:-10}

scripts/install-deps.sh hyperfine
scripts/configure.sh "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target tulvo tulvo_floor > /dev/null
program=$(realpath "$build/bin/tulvo")
floor=$(realpath "$build/bench/tulvo-floor")
faketime_library=$(cat "$build/faketime-library")
frozen_clock=$PWD/scripts/frozen-clock.sh
[ -n "$faketime_library" ] || { echo "libfaketime was not found when $build was configured" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp samples/midgame/plocha.dat "$work/"
cp samples/midgame/tah.dat "$work/tah.orig"
cp "$work/tah.orig" "$work/tah.dat"
cd "$work"

# A frozen clock gives the same seed, so the same move on every run. One stone on
# the board makes the move a random walk from it, which a running clock would vary.
mkdir opening
(cd opening && printf -- '--------------------\n%.0s' {1..9} > plocha.dat &&
  printf -- '---------x----------\n' >> plocha.dat &&
  printf -- '--------------------\n%.0s' {1..10} >> plocha.dat)
moves=()
for _ in 1 2 3 4 5; do
  printf o > opening/tah.dat
  (cd opening && "$frozen_clock" "$faketime_library" '2026-01-01 12:00:00' "$program")
  moves+=("$(cat opening/tah.dat)")
done
echo "Opening under a frozen clock: ${moves[*]}"
for move in "${moves[@]}"; do [ "$move" = "${moves[0]}" ] || { echo "not reproducible under a frozen clock"; exit 1; }; done

cp tah.orig tah.dat
"$program"
echo "tulvo plays $(cat tah.dat) on samples/midgame"

# The two programs alternate in rounds within one hyperfine run, so that a change in
# the machine's load over the run weighs on both alike.
commands=()
for round in $(seq "$rounds"); do
  commands+=(--command-name "tulvo $round" "$program" --command-name "floor $round" "$floor")
done
hyperfine -N --warmup 50 --runs $((runs / rounds)) --prepare 'cp tah.orig tah.dat' --export-csv times.csv \
  "${commands[@]}" > /dev/null
# CSV columns: command, mean, stddev, median, ... (seconds). Prints the median over the
# rounds of each program's median and of the per-round ratio.
awk -F, 'function median(list, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (list[j] < list[i]) { t = list[i]; list[i] = list[j]; list[j] = t }
    return n % 2 ? list[(n + 1) / 2] : (list[n / 2] + list[n / 2 + 1]) / 2
  }
  NR > 1 && NR % 2 == 0 { t[++n] = $4 }
  NR > 1 && NR % 2 == 1 { f[n] = $4; r[n] = t[n] / $4 }
  END { printf "median tulvo %.1f us, floor %.1f us, ratio %.3f (%d rounds)\n", median(t, n) * 1e6, median(f, n) * 1e6, median(r, n), n }' times.csv

#!/usr/bin/env bash
# Times the whole file program against the floor program (the same file work in a
# minimal C program) on the midgame sample, in one hyperfine run, and prints both
# medians and their ratio. Every timed run starts from the original tah.dat, so the
# program plays the same move each time. Also checks that a frozen clock still gives
# a reproducible move. Usage: bench-process.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-2000}

# hyperfine and faketime come from Debian's packages.
missing=()
for package in hyperfine faketime; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" --target tulvo tulvo_floor > /dev/null
program=$(realpath "$build/tulvo")
floor=$(realpath "$build/bench/tulvo-floor")

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
  (cd opening && faketime -f '2026-01-01 12:00:00' "$program")
  moves+=("$(cat opening/tah.dat)")
done
echo "Opening under a frozen clock: ${moves[*]}"
for move in "${moves[@]}"; do [ "$move" = "${moves[0]}" ] || { echo "not reproducible under faketime"; exit 1; }; done

cp tah.orig tah.dat
"$program"
echo "tulvo plays $(cat tah.dat) on samples/midgame"

hyperfine -N --warmup 100 --runs "$runs" --prepare 'cp tah.orig tah.dat' --export-csv times.csv \
  --command-name tulvo "$program" --command-name floor "$floor" > /dev/null
# CSV columns: command, mean, stddev, median, ... (seconds).
awk -F, 'NR == 2 { t = $4 } NR == 3 { f = $4 }
  END { printf "median tulvo %.1f us, floor %.1f us, ratio %.3f\n", t * 1e6, f * 1e6, t / f }' times.csv

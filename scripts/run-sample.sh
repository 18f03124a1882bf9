#!/usr/bin/env bash
# Runs the file program once on a sample position, as a game manager would: in a
# scratch directory holding plocha.dat and tah.dat. Prints the board, the side to
# move and the move written. Usage: run-sample.sh PROGRAM SAMPLE_DIR [ARGUMENT]
set -euo pipefail

program=$(realpath "$1")
sample=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$sample/plocha.dat" "$sample/tah.dat" "$work/"

echo "Board ($sample/plocha.dat):"
sed 's/^/  /' "$work/plocha.dat"
echo "Side to move: $(head -c 1 "$work/tah.dat")"
(cd "$work" && "$program" "$@")
echo "Move written to tah.dat: $(cat "$work/tah.dat")"

#!/usr/bin/env bash
# The aarch64 stage: cross-builds the Linux programs and the signature for aarch64 and
# runs them under qemu-aarch64. The signature must equal bench/signature.expected, and
# the programs must give the very output of the native build on generated positions
# at every level and several seeds, on pipe-protocol sessions and on file-program runs,
# the last two under frozen clocks. Installs what it needs when missing; where that
# cannot be installed, the stage says so in one line and fails under CI=true, else skips.
# Usage: test-aarch64.sh [NATIVE_BUILD] [AARCH64_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
native_build=${1:-build}
aarch64_build=${2:-build-aarch64}
native_bin=$native_build/bin
programs=(tulvo pbrain-tulvo tulvo-analyze)
board_count=60
frozen_times=("2026-01-01 00:00:00" "2026-03-14 15:09:26.535" "2026-12-31 23:59:59.999")

if ! scripts/install-packages.sh --no-recommends g++-aarch64-linux-gnu binutils-aarch64-linux-gnu qemu-user libfaketime ||
  ! command -v qemu-aarch64 > /dev/null; then
  exec scripts/stage-unavailable.sh "aarch64 stage" \
    "the aarch64 cross compiler or qemu-user could not be installed on this machine"
fi

scripts/build-linux.sh aarch64 "$aarch64_build"
cmake --build "$aarch64_build" -j 2 --target tulvo_signature
scripts/configure.sh "$native_build"
cmake --build "$native_build" -j 2 --target "${programs[@]}"
echo "Built (${SECONDS}s)"

# Each platform's programs are copied into a folder of their own, as a user would copy
# them, with a pipe program that takes its level from its name.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for platform in native aarch64; do
  mkdir "$work/$platform"
  from=$native_bin
  [ "$platform" = aarch64 ] && from=$aarch64_build/bin
  for program in "${programs[@]}"; do cp "$from/$program" "$work/$platform/"; done
  cp "$from/pbrain-tulvo" "$work/$platform/pbrain-tulvo2"
done

# The signature program needs no benchmark library, so the aarch64 build computes it.
if ! signature=$(qemu-aarch64 "$aarch64_build/bench/tulvo-signature" "$(cat bench/signature.expected)"); then
  echo "tulvo-signature on aarch64: $signature" >&2
  exit 1
fi
echo "tulvo-signature on aarch64: $signature, as bench/signature.expected (${SECONDS}s)"

# The clock library, found when the native build was configured. It is preloaded into
# the native programs, and into qemu-aarch64, whose C library serves the static
# aarch64 programs' clock calls, by scripts/frozen-clock.sh, which removes what it
# leaves in /dev/shm.
faketime_library=$(cat "$native_build/faketime-library")
frozen_clock=$PWD/scripts/frozen-clock.sh
if [ -z "$faketime_library" ]; then
  echo "test-aarch64.sh: $native_build/faketime-library names no libfaketime" >&2
  exit 1
fi

# Runs program NAME of PLATFORM (native or aarch64) with the clock frozen at FROZEN_AT,
# or on the real clock for "-". Usage: run_on PLATFORM FROZEN_AT NAME ARGUMENT...
run_on() {
  local platform=$1 frozen_at=$2 name=$3
  shift 3
  local command=("$work/$platform/$name" "$@")
  [ "$platform" = aarch64 ] && command=(qemu-aarch64 "${command[@]}")
  [ "$frozen_at" != - ] && command=("$frozen_clock" "$faketime_library" "$frozen_at" "${command[@]}")
  "${command[@]}"
}

# Fails with the first differing lines when the two transcripts of CHECK differ.
require_same() {
  local check=$1
  if ! diff "$work/$check.native" "$work/$check.aarch64" > "$work/$check.diff"; then
    echo "aarch64 and x86-64 differ in $check (< x86-64, > aarch64):" >&2
    head -n 20 "$work/$check.diff" >&2
    exit 1
  fi
}

# Writes COUNT boards into DIR, then prints one analysis run per line (an id, then the
# options and the board file): every board at every level, each run with a seed of its
# own. The boards come from a fixed pseudo-random sequence: sides 20, 15 and 7, from
# the opening's 0, 1 and 2 stones to crowded and full boards, x and o in turn, some
# upper-case stones and CR LF line ends.
generate_analysis_runs() {
  awk -v count="$1" -v dir="$2" '
    function draw(n) { state = (state * 16807) % 2147483647; return state % n }
    function write_board(path, side, stones, p,   x, y, n, line, ending) {
      split("", board)
      for (n = 0; n < stones; n++) {
        do { x = draw(side); y = draw(side) } while ((x, y) in board)
        board[x, y] = (n % 2 ? "o" : "x")
        if (draw(8) == 0) board[x, y] = toupper(board[x, y])
      }
      ending = p % 3 == 0 ? "\r\n" : "\n"
      for (y = 0; y < side; y++) {
        line = ""
        for (x = 0; x < side; x++) line = line (((x, y) in board) ? board[x, y] : "-")
        printf "%s%s", line, ending > path
      }
      close(path)
    }
    BEGIN {
      state = 20261208
      for (p = 0; p < count; p++) {
        side = p % 10 == 9 ? 15 : p % 25 == 24 ? 7 : 20
        stones = p < 3 ? p : 3 + draw(side * side / 3)
        if (p == count - 1) stones = side * side
        path = sprintf("%s/%03d.dat", dir, p)
        write_board(path, side, stones, p)
        for (level = 0; level < 7; level++) {
          # Seeds as the clock gives them (milliseconds of the day), and beyond.
          seed = level % 2 ? draw(86400000) : draw(2147483647) * 2 + draw(2)
          printf "%03d-%d --side %s --level %d --seed %.0f %s\n", p, level, p % 2 ? "o" : "x", level, seed, path
        }
      }
    }'
}

# Runs every line of RUNS through tulvo-analyze on PLATFORM, each into a file named by
# its id in DIR. Usage: analyze_all PLATFORM RUNS DIR
analyze_all() {
  local id arguments
  while read -r id arguments; do
    # shellcheck disable=SC2086 # the options and the path hold no spaces
    run_on "$1" - tulvo-analyze --format tsv $arguments > "$3/$id"
  done < "$2"
}

# tulvo-analyze: every evaluated cell's scores and the move; two runs at a time.
mkdir "$work/positions"
generate_analysis_runs $board_count "$work/positions" > "$work/analysis-runs"
run_count=$(wc -l < "$work/analysis-runs")
split -n l/2 "$work/analysis-runs" "$work/analysis-runs."
for platform in native aarch64; do
  mkdir "$work/analysis-$platform"
  workers=()
  for half in "$work"/analysis-runs.*; do
    analyze_all $platform "$half" "$work/analysis-$platform" &
    workers+=($!)
  done
  for worker in "${workers[@]}"; do wait "$worker"; done
  for file in "$work/analysis-$platform"/*; do
    echo "== ${file##*/}"
    cat "$file"
  done > "$work/analysis.$platform"
done
answered=$(grep -c '^move	' "$work/analysis.native" || true)
if [ "$answered" -ne "$run_count" ]; then
  echo "Only $answered of $run_count native analysis runs ended with a move line" >&2
  exit 1
fi
require_same analysis
echo "tulvo-analyze: $run_count runs on $board_count boards at every level: the same on aarch64 (${SECONDS}s)"

# pbrain-tulvo: a game whose moves depend on the level and the clock (a lone stone
# at the edge), refused commands (one with bytes above 127, where plain char is signed
# on x86-64 and unsigned on aarch64), a take-back, a smaller board and a BOARD position.
session=$(printf '%s\r\n' "START 20" "BEGIN" "TURN 10,10" "TURN 8,8" "TURN 11,9" "TURN 9,11" "TURN 12,12" \
  "TAKEBACK 12,12" "TURN 7,10" "ABOUT" "RESTART" "TURN 0,0" "TURN 3,3" "INFO rule 4" "RECTSTART 15,15" \
  "BOARD" "5,5,1" "6,6,2" "7,5,1" "8,8,2" "6,4,1" "9,6,2" "DONE" "FROBNICATE" $'P\xc5\x99\xc3\xadkaz 1,1' \
  "TURN 20,0" "TURN 6,5" "END")
for platform in native aarch64; do
  for frozen_at in "${frozen_times[@]}"; do
    for level in 0 1 2 3 4 5 6 name; do
      echo "== level $level at $frozen_at"
      if [ $level = name ]; then
        run_on $platform "$frozen_at" pbrain-tulvo2 <<< "$session"
      else
        run_on $platform "$frozen_at" pbrain-tulvo /$level <<< "$session"
      fi
    done
  done > "$work/sessions.$platform"
done
distinct=$(awk '/^== /{ if (text != "") seen[text] = 1; text = ""; next } { text = text $0 "\n" }
  END { seen[text] = 1; print length(seen) }' "$work/sessions.native")
if [ "$distinct" -le 7 ]; then
  echo "Only $distinct different native session transcripts: the sessions hardly depend on level and clock" >&2
  exit 1
fi
require_same sessions
echo "pbrain-tulvo: $((${#frozen_times[@]} * 8)) sessions ($distinct different transcripts): the same on aarch64 (${SECONDS}s)"

# The file program: the move it writes into tah.dat on five boards at every level, with
# the side to move of their analysis runs.
sides=(x o)
for platform in native aarch64; do
  for number in 3 4 5 6 7; do
    for level in 0 1 2 3 4 5 6; do
      folder=$(mktemp -d "$work/run.XXXXXX")
      cp "$work/positions/00$number.dat" "$folder/plocha.dat"
      printf '%s' "${sides[number % 2]}" > "$folder/tah.dat"
      echo "== board $number level $level: $(cd "$folder" && run_on $platform "${frozen_times[1]}" tulvo /$level)"
      cat "$folder/tah.dat"
      echo
    done
  done > "$work/moves.$platform"
done
require_same moves
echo "tulvo: 35 file-protocol runs under a frozen clock: the same on aarch64 (${SECONDS}s)"
echo "aarch64 stage took ${SECONDS}s"

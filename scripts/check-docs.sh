#!/usr/bin/env bash
# The docs check: the pages tell the truth about the programs.
#
#   scripts/check-docs.sh [PAGE...]   (after `make build`; CI runs it after `make test`)
#
# PAGE: README.md or docs/NAME.md, relative to the repository root (default: all).
#
# - Every ```sh block of README.md and docs/*.md runs from the repository root, as
#   written but for the stand-ins below, against the programs in build/bin; every
#   ```python block runs there too, with Debian's python3 and the module from python/
#   over build/lib's libtulvo. A block
#   fails on a non-zero status (it runs under `bash -e -o pipefail`) and, when a
#   ```text block follows it, on output (standard output and error together) that
#   differs from that block; a line `...` there stands for any lines. A block with
#   `<!-- not run: reason -->` on the line before its fence is not run.
# - Every repository path a page names (in code spans, commands and links) exists,
#   and every option given to tulvo-arena, tulvo-analyze, pbrain-tulvo or tulvo-bench
#   (in commands, and in code spans on the page of that program) is in its --help.
# Each failure is one FAIL line (page:line, what is wrong) with the command and what
# differed; the last line gives the counts and the run time.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
pages=("$@")
[ $# -gt 0 ] || pages=(README.md docs/*.md)
started=$EPOCHREALTIME

for program in tulvo pbrain-tulvo tulvo-analyze tulvo-arena; do
  if [ ! -x "build/bin/$program" ]; then
    echo "check-docs: build/bin/$program is missing; run 'make build' first" >&2
    exit 2
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/blocks" "$work/tmp"
blocks=$work/blocks

# What runs in place of what a page writes: placeholders for the reader's own things,
# and arguments that keep a long or privileged command short and harmless in CI.
stand_ins=(
  '/path/to/pbrain-myengine' 'build/bin/pbrain-tulvo'    # the reader's engine
  '--prefix /usr/local' "--prefix $work/prefix"          # an install without root
  'make test' 'echo make test: run by CI before this check'  # the whole suite again
  '--sprt 0,20 ' '--sprt 0,20 -n 4 '                     # an SPRT of at most 4 games
)

# The programs whose options are checked against their --help, and the page whose
# code spans name that program's options.
declare -A help_of=() program_of_page=(
  [docs/arena.md]=tulvo-arena [docs/analyze.md]=tulvo-analyze [docs/pipe-protocol.md]=pbrain-tulvo)
for program in tulvo-arena tulvo-analyze pbrain-tulvo; do help_of[$program]=$("build/bin/$program" --help 2>&1); done
[ -x build/bench/tulvo-bench ] && help_of[tulvo-bench]=$(build/bench/tulvo-bench --help 2>&1)

failures=0
fail() {  # WHERE PROBLEM [DETAIL...]: one FAIL line, then the details indented
  printf 'FAIL %s: %s\n' "$1" "$2"
  shift 2
  for detail in "$@"; do printf '%s\n' "$detail" | sed 's/^/    /'; done
  failures=$((failures + 1))
}

# --- Split the pages into blocks and named things --------------------------------
count=0
for page in "${pages[@]}"; do
  count=$(awk -v out="$blocks" -v page="$page" -v first=$((count + 1)) -f scripts/docs-blocks.awk "$page")
done
touch "$blocks/names" "$blocks/problems"
# What the pages' commands need beyond the build and its dependencies.
if cat "$blocks"/*.sh 2> /dev/null | grep -q '^valgrind '; then
  scripts/install-packages.sh --no-recommends valgrind || { echo "check-docs: valgrind is needed" >&2; exit 2; }
fi
while IFS= read -r problem; do fail "${problem%%: *}" "${problem#*: }"; done < "$blocks/problems"

# True when the output (file $2) shows what the page shows (file $1); a line "..." in
# the page stands for any number of lines.
shows() {
  awk 'FILENAME == ARGV[1] { page[++lines] = $0; next } { out[++outs] = $0 }
    function at(o, p, n,  k) { for (k = 0; k < n; k++) if (out[o + k] != page[p + k]) return 0; return 1 }
    END {
      o = 1; loose = 0
      for (p = 1; p <= lines;) {
        if (page[p] == "...") { loose = 1; p++; continue }
        for (q = p; q <= lines && page[q] != "..."; q++) {}
        n = q - p
        from = (loose && q > lines) ? outs - n + 1 : o   # the last part ends the output
        if (from < o) exit 1
        for (; from + n - 1 <= outs && !at(from, p, n); from++) if (!loose || q > lines) exit 1
        if (from + n - 1 > outs) exit 1
        o = from + n; p = q; loose = 0
      }
      exit (loose || o > outs) ? 0 : 1
    }' "$1" "$2"
}

# --- Run the blocks ------------------------------------------------------------------
ran=0
not_run=()
for ((n = 1; n <= count; n++)); do
  IFS=$'\t' read -r page line reason < "$blocks/$n.where"
  if [ -n "$reason" ]; then
    not_run+=("$page:$line: $reason")
    continue
  fi
  block_started=$EPOCHREALTIME
  before=$(LC_ALL=C ls -A)
  if [ -e "$blocks/$n.py" ]; then
    script=$(< "$blocks/$n.py")
    (cd "$root" && PYTHONPATH=python TULVO_LIBRARY=build/lib/libtulvo.so PYTHONDONTWRITEBYTECODE=1 TMPDIR="$work/tmp" \
      timeout 300 /usr/bin/python3 "$blocks/$n.py") < /dev/null > "$work/output" 2>&1
  else
    script=$(< "$blocks/$n.sh")
    for ((i = 0; i < ${#stand_ins[@]}; i += 2)); do script=${script//"${stand_ins[i]}"/"${stand_ins[i + 1]}"}; done
    (cd "$root" && TMPDIR="$work/tmp" timeout 300 bash -e -o pipefail -c "$script") < /dev/null > "$work/output" 2>&1
  fi
  status=$?
  # What the block wrote into the root (such as a records folder) goes again; build
  # folders, which other work may be making meanwhile, stay.
  left=$(LC_ALL=C comm -13 <(printf '%s\n' "$before") <(LC_ALL=C ls -A) | grep -v '^build' || true)
  if [ -n "$left" ]; then
    echo "removed what $page:$line left in the root:" $left
    while IFS= read -r entry; do rm -rf -- "$entry"; done <<< "$left"
  fi
  seconds=$(awk -v a="$block_started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
  ran=$((ran + 1))
  if [ "$status" -ne 0 ]; then
    fail "$page:$line" "exit status $status after $seconds s" "$ $script" "$(tail -n 15 "$work/output")"
  elif [ -e "$blocks/$n.expected" ] && ! shows "$blocks/$n.expected" "$work/output"; then
    fail "$page:$line" "the output differs from the page's (--- page, +++ output)" "$ $script" \
      "$(diff -u "$blocks/$n.expected" "$work/output" | tail -n +3 | head -n 30)"
  else
    printf 'ok   %s:%s (%s s)\n' "$page" "$line" "$seconds"
  fi
done

# --- Paths and options ---------------------------------------------------------------
paths=0
options=0
check_path() {  # WHERE PATH: a repository path (globs allowed) must exist
  paths=$((paths + 1))
  compgen -G "$2" > /dev/null || fail "$1" "names $2, which does not exist"
}
check_option() {  # WHERE PROGRAM OPTION: the option must be in the program's --help
  [ -n "$2" ] || return 0
  local help=${help_of[$2]-}
  [ -n "$help" ] || return 0
  options=$((options + 1))
  grep -qE -- "(^|[^A-Za-z0-9_-])$3([^A-Za-z0-9_-]|$)" <<< "$help" || fail "$1" "$2 has no option $3 (not in $2 --help)"
}
repository_path='^(\.ci|bench|build|cmake|docs|fuzz|include|samples|scripts|src|tests|web)/'
while IFS=$'\t' read -r page line kind text; do
  where=$page:$line
  if [ "$kind" = link ]; then
    target=${text%%#*}
    [[ -z "$target" || "$target" =~ ^[a-z]+: ]] && continue
    [[ "$target" == /* ]] || target=$(dirname "$page")/$target
    check_path "$where" "$target"
    continue
  fi
  read -ra words <<< "$text"
  program=${program_of_page[$page]-}
  [ "$kind" = span ] && [[ "${words[0]-}" =~ ^--?[A-Za-z] ]] && check_option "$where" "$program" "${words[0]%%=*}"
  program=""
  quote=""
  for word in "${words[@]}"; do
    bare=${word#[\"\'(]}
    bare=${bare#file:}
    bare=${bare#pipe:}
    case $word in '|' | '||' | '&&' | ';' | ')' | '>'* | '2>'* | *')') program="" ;; esac
    case ${bare##*/} in
      tulvo-arena | tulvo-analyze | pbrain-tulvo | tulvo-bench)
        # In a quoted engine description the program's options end with the quote.
        program=${bare##*/}
        quote=""
        [[ "$word" =~ ^[\"\'] ]] && quote=${word:0:1}
        [[ -n "$quote" && ${#word} -gt 1 && "$word" == *"$quote" ]] && program=""
        ;;
      *)
        if [ -n "$program" ] && [[ "$word" =~ ^--?[A-Za-z] ]]; then check_option "$where" "$program" "${word%%=*}"; fi
        [[ -n "$quote" && "$word" == *"$quote" ]] && program="" quote=""
        ;;
    esac
    bare=${bare%[,.;:)\"\']}
    [[ "$bare" =~ $repository_path && "$bare" != *[\$\<\{]* && "$bare" != *NNNN* ]] && check_path "$where" "${bare%\"}"
  done
done < "$blocks/names"

elapsed=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.0f", b - a }')
for skipped in "${not_run[@]}"; do echo "not run: $skipped"; done
echo "check-docs: $ran blocks run, ${#not_run[@]} not run, $paths paths and $options options checked;" \
  "$failures failures; $elapsed s"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# The docs check on two pages of its own: one whose every claim holds (it must pass)
# and one with one fault of each kind (each must be named on a FAIL line); each has
# a Python block among its shell blocks.
# Usage: check_docs_test.sh BUILD_DIR. The check runs the programs in the repository's
# build/, so the test skips (77) for any other build folder.
set -uo pipefail
cd "$(dirname "$0")/../.."
if [ "$(realpath -m "$1")" != "$(realpath -m build)" ]; then
  echo "skipped: the docs check runs the programs in build/, not in $1"
  exit 77
fi

pages=$(mktemp -d)
trap 'rm -rf "$pages"' EXIT
fence='```'
cat > "$pages/good.md" << PAGE
# Every claim holds

\`build/bin/tulvo-arena -n 2 -r DIR\` writes records; \`scripts/check-docs.sh\` checks
[this page](good.md) and [the README](../../README.md).

${fence}sh
printf 'one\ntwo\nthree\nfour\n'
${fence}

${fence}text
one
...
four
${fence}

${fence}sh
printf 'a\nb\nc\n'
${fence}

${fence}text
a
...
${fence}

${fence}sh
printf 'a\nb\nc\n'; true
${fence}

${fence}text
...
c
${fence}

<!-- not run: it would fail -->
${fence}sh
false
${fence}

${fence}sh
mkdir "records of the test" build-of-the-docs-test && touch "records of the test/game-0001.txt"
${fence}

${fence}python
import tulvo
print(tulvo.winner(["xxxxx", "-----", "-----", "-----", "oooo-"]))
${fence}

${fence}text
x
${fence}
PAGE
sed -i "s|(../../README.md)|($PWD/README.md)|" "$pages/good.md"

cat > "$pages/bad.md" << PAGE
# One fault per block

${fence}sh
printf 'one\ntwo\n'
${fence}

${fence}text
one
three
${fence}

${fence}sh
printf 'one\ntwo\nthree\n'
${fence}

${fence}text
...
two
${fence}

${fence}sh
false
echo the block goes on
${fence}

The arena has \`build/bin/tulvo-arena --fast\`, \`tulvo-analyze --level 3 -q\`, the
folder \`src/nowhere\` and [a page](nowhere.md).

<!-- not run: a mark with a blank line after it -->

${fence}sh
true
${fence}

${fence}sh
printf 'a\nb\n'
${fence}

${fence}text
a
${fence}

${fence}python
print("python")
${fence}

${fence}text
not python
${fence}
PAGE

failures=0
expect() {  # DESCRIPTION CONDITION...
  local description=$1
  shift
  if ! "$@"; then
    echo "FAILED: $description"
    failures=$((failures + 1))
  fi
}

good=$(scripts/check-docs.sh "$pages/good.md" 2>&1)
good_status=$?
echo "$good"
expect "a page whose claims hold passes" [ "$good_status" -eq 0 ]
expect "five blocks run, one not" grep -q "check-docs: 5 blocks run, 1 not run, 4 paths and 2 options checked; 0 failures" <<< "$good"
expect "what a block leaves in the root is named and removed" \
  grep -q "^removed what $pages/good.md:39 left in the root: records of the test\$" <<< "$good"
expect "the records are gone" test ! -e "records of the test"
expect "a build folder stays" test -d build-of-the-docs-test
rmdir build-of-the-docs-test

bad=$(scripts/check-docs.sh "$pages/bad.md" 2>&1)
bad_status=$?
echo "$bad"
expect "a page with faults fails" [ "$bad_status" -eq 1 ]
for line in \
  "FAIL $pages/bad.md:3: the output differs from the page's" \
  "FAIL $pages/bad.md:12: the output differs from the page's" \
  "FAIL $pages/bad.md:21: exit status 1 after" \
  "FAIL $pages/bad.md:26: tulvo-arena has no option --fast" \
  "FAIL $pages/bad.md:26: tulvo-analyze has no option -q" \
  "FAIL $pages/bad.md:27: names src/nowhere, which does not exist" \
  "FAIL $pages/bad.md:27: names $pages/nowhere.md, which does not exist" \
  "FAIL $pages/bad.md:29: a not-run mark must stand right before a ${fence}sh or ${fence}python fence" \
  "FAIL $pages/bad.md:35: the output differs from the page's" \
  "FAIL $pages/bad.md:43: the output differs from the page's" \
  "    -three" \
  "    -not python" \
  "10 failures"; do
  expect "the report holds: $line" grep -qF -- "$line" <<< "$bad"
done
expect "a failed block's later commands do not run" test "$(grep -c 'the block goes on' <<< "$bad")" -eq 1
[ "$failures" -eq 0 ]

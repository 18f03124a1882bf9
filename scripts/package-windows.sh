#!/usr/bin/env bash
# Packs the Windows release: tulvo.exe, its level copies tulvo0.exe .. tulvo6.exe,
# pbrain-tulvo.exe when it is built, and a note on adding them to a manager.
# Usage: package-windows.sh [WINDOWS_BUILD]   Writes WINDOWS_BUILD/tulvo-windows.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

if ! command -v zip > /dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq zip > /dev/null
fi
scripts/build-windows.sh "$build" > /dev/null

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
names=(tulvo.exe)
cp "$build/tulvo.exe" "$stage/"
for level in 0 1 2 3 4 5 6; do
  cp "$build/tulvo.exe" "$stage/tulvo$level.exe"
  names+=("tulvo$level.exe")
done
if [ -f "$build/pbrain-tulvo.exe" ]; then
  cp "$build/pbrain-tulvo.exe" "$stage/"
  names+=(pbrain-tulvo.exe)
fi

{
  cat << 'TEXT'
tulvo for Windows (64-bit)
==========================

The programs need no installation and no DLL: unpack them into any folder.

Managers that play through the files plocha.dat and tah.dat
------------------------------------------------------------
Add tulvo0.exe .. tulvo6.exe as separate engines. Each plays at the AI level of
the digit in its name: 0 is the weakest, 6 the strongest. tulvo.exe plays at
level 6 unless the manager passes the level as the argument /0 .. /6.
The manager starts the program once per move in a folder holding plocha.dat and
tah.dat; the program writes its move into tah.dat as x,y.
TEXT
  if [ -f "$stage/pbrain-tulvo.exe" ]; then
    cat << 'TEXT'

Managers that talk to engines through standard input and output
---------------------------------------------------------------
Add pbrain-tulvo.exe. The name must keep its pbrain- prefix: managers choose
this protocol by it. It plays at level 6; a copy named pbrain-tulvo3.exe plays
at level 3, and so on for 0 .. 6.
TEXT
  fi
} | sed 's/$/\r/' > "$stage/README.txt"

archive=$(realpath "$build")/tulvo-windows.zip
rm -f "$archive"
(cd "$stage" && zip -q -X "$archive" "${names[@]}" README.txt)
echo "$archive: ${names[*]} README.txt"

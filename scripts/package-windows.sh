#!/usr/bin/env bash
# Packs the Windows release: tulvo.exe, its level copies tulvo0.exe .. tulvo6.exe,
# pbrain-tulvo.exe, the tools tulvo-analyze.exe and tulvo-arena.exe, a note on
# adding the engines to a manager and using the tools, and the license.
# Usage: package-windows.sh [WINDOWS_BUILD]   Writes WINDOWS_BUILD/tulvo-windows.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

command -v zip > /dev/null || scripts/install-packages.sh zip
scripts/build-windows.sh "$build" > /dev/null

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
names=(tulvo.exe tulvo0.exe tulvo1.exe tulvo2.exe tulvo3.exe tulvo4.exe tulvo5.exe tulvo6.exe pbrain-tulvo.exe
  tulvo-analyze.exe tulvo-arena.exe)
for name in "${names[@]}"; do
  case $name in
    tulvo[0-6].exe) cp "$build/bin/tulvo.exe" "$stage/$name" ;;
    *) cp "$build/bin/$name" "$stage/$name" ;;
  esac
done

sed 's/$/\r/' > "$stage/README.txt" << 'TEXT'
tulvo for Windows (64-bit)
==========================

The programs need no installation and no DLL: unpack them into any folder.

Managers that play through the files plocha.dat and tah.dat
------------------------------------------------------------
Add tulvo0.exe .. tulvo6.exe as separate engines. Each plays at the AI level of
the digit in its name. Level 0 is the weakest and each level up to 5 is stronger
than the one below; level 6 is about as strong as level 5 on 20x20 boards and a
little weaker on 15x15. tulvo.exe plays at level 6 unless the manager passes the
level as the argument /0 .. /6.
The manager starts the program once per move in a folder holding plocha.dat and
tah.dat; the program writes its move into tah.dat as x,y.

Managers that talk to engines through standard input and output
---------------------------------------------------------------
Add pbrain-tulvo.exe. The name must keep its pbrain- prefix: managers choose
this protocol by it. It plays at level 6, or at the level of an argument /0 .. /6
where the manager passes one; a copy named pbrain-tulvo3.exe plays
at level 3, and so on for 0 .. 6.

Why tulvo moved: tulvo-analyze.exe
----------------------------------
tulvo-analyze.exe FOLDER shows every cell's score in the position of the
plocha.dat and tah.dat in FOLDER, and the move tulvo chooses there.
tulvo-analyze.exe --help lists its options: the side to move, the level, the
seed, and --format tsv for a table to load into a spreadsheet.

Your engine against tulvo's levels: tulvo-arena.exe
---------------------------------------------------
From this folder, with your engine in C:\engines, this plays 20 games of each
of three levels against it, two at a time, and prints the results table:

  tulvo-arena.exe -g -n 20 -j 2 "pipe:C:\engines\pbrain-mine.exe" "file:tulvo.exe /2" "file:tulvo.exe /4" "file:tulvo.exe /6"

An engine is pipe:PROGRAM (kept running, talks through standard input and
output) or file:PROGRAM (started once per move with plocha.dat and tah.dat);
arguments may follow the program. A path with blanks goes in single quotes
inside: "pipe:'C:\my engines\pbrain-mine.exe'". -t sets the time per move in
milliseconds, -r FOLDER keeps every game; tulvo-arena.exe --help lists the rest.
TEXT

sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt"

archive=$(realpath "$build")/tulvo-windows.zip
rm -f "$archive"
(cd "$stage" && zip -q -X "$archive" "${names[@]}" README.txt LICENSE.txt)
echo "$archive: ${names[*]} README.txt LICENSE.txt"

#!/usr/bin/env bash
# Packs the Linux releases for aarch64 and x86-64: the three statically linked
# programs, a note on running them and the license, in one folder per archive.
# Usage: package-linux.sh [AARCH64_BUILD] [X86_64_BUILD]
# Writes AARCH64_BUILD/tulvo-linux-aarch64.tar.gz and X86_64_BUILD/tulvo-linux-x86_64.tar.gz.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A builds=([aarch64]=${1:-build-aarch64} [x86_64]=${2:-build-x86_64})
programs=(tulvo pbrain-tulvo tulvo-analyze)

# The note for ARCH, with the machines it runs on.
write_readme() {
  local machines="64-bit x86 PCs, laptops and servers"
  [ "$1" = aarch64 ] && machines="64-bit ARM: Raspberry Pi 3 and later with a 64-bit system, ARM laptops and servers"
  cat << TEXT
tulvo for Linux on $1
$(printf '=%.0s' $(seq 1 $((19 + ${#1}))))

For $machines.
The programs are statically linked: they need no installation and no libraries.
Copy them anywhere; they give the very moves and scores of every other tulvo build.

tulvo: the file protocol
  Started once per move in a folder holding plocha.dat (the board) and tah.dat
  (x or o, the side to move); it writes its move into tah.dat as x,y.
  "tulvo /n" plays at AI level n, 0 (weakest) to 6 (strongest, the default).

pbrain-tulvo: the pipe protocol
  Managers that talk to engines through standard input and output choose this
  protocol by the pbrain- prefix: keep it. It plays at level 6, at the level of an
  argument /0 .. /6, or at the digit its name ends in (a copy named pbrain-tulvo3
  plays at level 3).

tulvo-analyze: why it moved
  tulvo-analyze [--side x|o] [--level 0..6] [--seed N] [--format picture|tsv] PATH
  shows every cell the move search evaluated, with the scores it compared. PATH is
  a board file or a folder holding plocha.dat and tah.dat.
TEXT
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
for arch in aarch64 x86_64; do
  build=${builds[$arch]}
  scripts/build-linux.sh "$arch" "$build" > /dev/null
  folder=tulvo-linux-$arch
  mkdir "$stage/$folder"
  for program in "${programs[@]}"; do cp "$build/bin/$program" "$stage/$folder/"; done
  write_readme "$arch" > "$stage/$folder/README.txt"
  cp LICENSE "$stage/$folder/"

  # Fixed owners, times and order: the same build packs to the same bytes.
  archive=$(realpath "$build")/$folder.tar.gz
  tar -C "$stage" --sort=name --owner=0 --group=0 --numeric-owner --mtime=@0 -cf - "$folder" | gzip -9n > "$archive"
  listed=$(tar -tzf "$archive" | LC_ALL=C sort | tr '\n' ' ')
  expected="$folder/ $folder/LICENSE $folder/README.txt $folder/pbrain-tulvo $folder/tulvo $folder/tulvo-analyze "
  if [ "$listed" != "$expected" ]; then
    echo "$archive holds: $listed; expected: $expected" >&2
    exit 1
  fi
  echo "$archive: ${programs[*]} README.txt LICENSE"
done

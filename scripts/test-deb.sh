#!/usr/bin/env bash
# Builds the Debian package, installs it into a scratch root with dpkg, checks that it
# holds the license, the man pages and dependencies computed from its binaries, that
# its tulvo plays the sample and that pkg-config finds its library, then removes it
# and checks that no file of it is left behind.
# Usage: test-deb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

make --no-print-directory deb BUILD="$build" > /dev/null
deb=$(ls "$build"/tulvo_*.deb)
echo "$deb: $(du -k "$deb" | cut -f1) KiB"

fail() {
  echo "$deb: $*" >&2
  exit 1
}
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libc6* ]] || fail "Depends is \"$depends\", computed dependencies name libc6"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"
listed=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/share/doc/tulvo/copyright ./usr/include/tulvo/tulvo.h ./usr/lib/libtulvo.a \
  ./usr/lib/cmake/tulvo/tulvoConfig.cmake ./usr/lib/cmake/tulvo/tulvoConfigVersion.cmake \
  ./usr/lib/pkgconfig/tulvo.pc ./usr/bin/tulvo ./usr/bin/pbrain-tulvo ./usr/bin/tulvo-analyze ./usr/bin/tulvo-arena \
  ./usr/share/man/man6/tulvo.6.gz ./usr/share/man/man6/pbrain-tulvo.6.gz ./usr/share/man/man6/tulvo-analyze.6.gz \
  ./usr/share/man/man6/tulvo-arena.6.gz; do
  grep -qxF "$file" <<< "$listed" || fail "does not hold $file"
done

# A scratch root with an empty package database of its own.
root=$(mktemp -d)
trap 'rm -rf "$root" 2> /dev/null || sudo rm -rf "$root"' EXIT
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
# The C library and the rest it depends on are the host's, not in the scratch database;
# the scripts (ldconfig after installing and removing the library) run on the host, as
# the scratch root has no shell.
# dpkg and the library's ldconfig need root (sudo when this script is not).
dpkg=(dpkg --root="$root" --force-script-chrootless --log=/dev/null)
[ "$(id -u)" -eq 0 ] || dpkg=(sudo "${dpkg[@]}")
"${dpkg[@]}" --force-depends -i "$deb" > /dev/null 2>&1 || "${dpkg[@]}" --force-depends -i "$deb"

mkdir "$root/game"
cp samples/midgame/plocha.dat samples/midgame/tah.dat "$root/game/"
(cd "$root/game" && "$root/usr/bin/tulvo" /6)
move=$(cat "$root/game/tah.dat")
rm -r "$root/game"
[[ $move =~ ^[0-9]+,[0-9]+$ ]] || fail "the installed tulvo wrote \"$move\" into tah.dat"
libs=$(PKG_CONFIG_PATH="$root/usr/lib/pkgconfig" pkg-config --libs tulvo)
libdir=$(sed -n 's/.*-L\([^ ]*\).*/\1/p' <<< "$libs")
[[ $libs == *-ltulvo* && -n $libdir && $(realpath "$libdir") == "$root/usr/lib" ]] ||
  fail "pkg-config --libs tulvo answers \"$libs\""
echo "installed: tulvo plays $move on the sample; pkg-config --libs tulvo: $libs"

"${dpkg[@]}" --purge tulvo > /dev/null
left=$(cd "$root" && find . -mindepth 1 ! -path './var' ! -path './var/lib' ! -path './var/lib/dpkg' ! -path './var/lib/dpkg/*')
[ -z "$left" ] || fail "removal left behind: $left"
echo "removed: nothing left behind"

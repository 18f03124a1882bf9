#!/usr/bin/env bash
# The Windows stage: cross-builds the Windows programs, tests them under Wine against
# the Linux build, and packs the release ZIP. Installs what it needs when missing;
# where that cannot be installed, it says so in one line and fails under CI=true, else skips.
# Usage: test-windows.sh [LINUX_BUILD] [WINDOWS_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build=${1:-build}
windows_build=${2:-build-windows}
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

if ! scripts/install-packages.sh --no-recommends wine64 libfaketime g++-mingw-w64-x86-64 \
  binutils-mingw-w64-x86-64 zip unzip || [ ! -x $wine ]; then
  exec scripts/stage-unavailable.sh "Windows stage" "Wine or MinGW-w64 could not be installed on this machine"
fi

scripts/build-windows.sh "$windows_build"
scripts/configure.sh "$linux_build"
cmake --build "$linux_build" -j 2 --target tulvo_windows_tests

# A private Wine prefix, created once and kept in the build directory. Its server
# stays up for the whole run, so each program start costs a fraction of a second.
# Neither ever runs under the frozen clock: Wine's own waits need a moving one.
export WINEDEBUG=-all WINEARCH=win64 WINEPREFIX
WINEPREFIX=$(realpath "$windows_build")/wine-prefix
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX"
  $wine wineboot --init > /dev/null 2>&1 || true
  $wineserver -w
fi
$wineserver -p 2> /dev/null || true  # already up when a run before was cut short
trap '$wineserver -k || true' EXIT
# Wine's background services start with the first program; start them here, on the
# real clock and away from the tests' output pipes, which they would otherwise keep open.
$wine wineboot < /dev/null > /dev/null 2>&1

export TULVO_WINDOWS_BIN TULVO_WINE=$wine
# The frozen clock must leave file times and the monotonic clock alone, or Wine takes
# its prefix for outdated and rebuilds it, or waits for ever.
export NO_FAKE_STAT=1 FAKETIME_DONT_FAKE_MONOTONIC=1
TULVO_WINDOWS_BIN=$(realpath "$windows_build/bin")
"$linux_build/tests/tulvo_windows_tests"

# The release ZIP holds exactly the programs, the level copies, the note and the license.
scripts/package-windows.sh "$windows_build"
expected="LICENSE.txt README.txt pbrain-tulvo.exe tulvo-analyze.exe tulvo-arena.exe tulvo.exe tulvo0.exe tulvo1.exe tulvo2.exe \
tulvo3.exe tulvo4.exe tulvo5.exe tulvo6.exe"
listed=$(unzip -Z1 "$windows_build/tulvo-windows.zip" | LC_ALL=C sort | tr '\n' ' ')
if [ "$listed" != "$expected " ]; then
  echo "The ZIP holds: $listed; expected: $expected" >&2
  exit 1
fi
echo "Windows stage took ${SECONDS}s"

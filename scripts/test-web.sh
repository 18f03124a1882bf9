#!/usr/bin/env bash
# The web stage: builds the page, checks the WebAssembly engine against the native
# programs in Node and drives the page in headless Chromium. Installs what it needs;
# where that cannot be installed, it says so in one line and fails under CI=true, else skips.
# Usage: test-web.sh [NATIVE_BUILD] [WEB_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
native_build=${1:-build}
web=${2:-build-web}
wasm_build=build-wasm
# The native programs the WebAssembly results are compared with.
native_bin=$native_build/bin

mapfile -t toolchain < web/toolchain-packages
if ! scripts/install-packages.sh --no-recommends "${toolchain[@]}" nodejs chromium faketime > /dev/null ||
  ! command -v node > /dev/null || ! command -v npm > /dev/null; then
  exec scripts/stage-unavailable.sh "Web stage" \
    "clang's wasm32 libraries, Node.js or Chromium could not be installed on this machine"
fi

if [ ! -x "$native_bin/tulvo-analyze" ]; then
  echo "test-web.sh: no native programs in $native_bin: build them first (make build)." >&2
  exit 1
fi
scripts/build-web.sh "$web" "$wasm_build"
cmp -s LICENSE "$web/LICENSE" || { echo "test-web.sh: $web has no copy of LICENSE" >&2; exit 1; }
(cd web && npm ci --no-audit --no-fund --loglevel=error)
# The accessibility checker the browser tests run in the page, pinned, from npm.
scripts/install-axe-core.sh "$native_build/axe-core"

export TULVO_WEB_DIR TULVO_WASM_DIR TULVO_NATIVE_BIN TULVO_AXE_DIR TULVO_CHROMIUM=/usr/bin/chromium
TULVO_WEB_DIR=$(realpath "$web")
TULVO_WASM_DIR=$(realpath "$wasm_build/src/web")
TULVO_NATIVE_BIN=$(realpath "$native_bin")
TULVO_AXE_DIR=$(realpath "$native_build/axe-core")
cd web && node --test tests/

#!/usr/bin/env bash
# Builds the browser page into one folder of static files: the page, its scripts and
# style, the engine as tulvo.wasm, the license, the web app manifest with its icon, and
# the service worker that keeps an offline copy. The worker's cache is named after a
# hash of every other file, so a new build replaces the copy. The WebAssembly build
# folder also gets tulvo-signature.wasm, which only the tests use.
# Usage: build-web.sh [WEB_FOLDER] [WASM_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
web=${1:-build-web}
wasm_build=${2:-build-wasm}

mapfile -t toolchain < web/toolchain-packages
scripts/install-packages.sh --no-recommends "${toolchain[@]}"
scripts/configure.sh "$wasm_build" -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake -DTULVO_WEB=ON \
  -DTULVO_WERROR=ON
cmake --build "$wasm_build" -j 2 --target tulvo_wasm tulvo_signature_wasm

rm -rf "$web"
mkdir -p "$web"
cp web/page/index.html web/page/style.css web/page/*.js web/page/manifest.webmanifest web/page/icon.svg \
  "$wasm_build/src/web/tulvo.wasm" LICENSE "$web/"
build_hash=$(cd "$web" && find . -type f ! -name sw.js | LC_ALL=C sort | xargs cat | sha256sum | cut -c1-16)
sed -i "s/BUILD_HASH/$build_hash/" "$web/sw.js"

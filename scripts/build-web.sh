#!/usr/bin/env bash
# Builds the browser page into one folder of static files: the page, its scripts and
# style, the engine as tulvo.wasm, and the license. The WebAssembly build folder also gets
# tulvo-signature.wasm, which only the tests use.
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
cp web/page/index.html web/page/style.css web/page/*.js "$wasm_build/src/web/tulvo.wasm" LICENSE "$web/"

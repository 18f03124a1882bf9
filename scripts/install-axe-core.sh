#!/usr/bin/env bash
# Installs the accessibility checker that the page's browser tests run in Chromium,
# from npm into DIR/node_modules (default build/axe-core). Node and npm come from Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
directory="${1:-build/axe-core}"
version=4.10.3
command -v node > /dev/null || scripts/install-packages.sh nodejs
command -v npm > /dev/null || scripts/install-packages.sh npm
mkdir -p "$directory"
grep -qs "\"version\": \"$version\"" "$directory/node_modules/axe-core/package.json" && exit 0
npm install --silent --no-audit --no-fund --prefix "$directory" "axe-core@$version" > /dev/null

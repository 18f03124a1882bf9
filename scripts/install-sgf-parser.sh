#!/usr/bin/env bash
# Installs the SGF parser that the arena's record tests read games back with, from
# npm into DIR/node_modules (default build/sgf-parser). Node and npm come from Debian.
set -euo pipefail
cd "$(dirname "$0")/.."
directory="${1:-build/sgf-parser}"
command -v node > /dev/null || scripts/install-packages.sh nodejs
command -v npm > /dev/null || scripts/install-packages.sh npm
mkdir -p "$directory"
[ -d "$directory/node_modules/@sabaki/sgf" ] && exit 0
npm install --silent --no-audit --no-fund --prefix "$directory" @sabaki/sgf@3.4.7 > /dev/null

#!/usr/bin/env bash
# CI: libtulvo as its users get it, after `make test` (which runs the C, Python and
# installed-tree tests): the Python module installed by pip offline, and the Debian
# package installed into a scratch root and removed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

scripts/test-python-install.sh "$build"
scripts/test-deb.sh "$build"

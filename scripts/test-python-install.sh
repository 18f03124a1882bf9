#!/usr/bin/env bash
# Installs the Python module from this checkout with pip, offline and with Debian's
# packages only (Debian's interpreter, setuptools and NumPy; no build isolation, no
# package index), into a scratch virtual environment, then runs the module's tests
# against the installed copy, which loads the library installed beside it.
# Usage: test-python-install.sh [BUILD_DIR]   (the programs the tests compare with)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

scripts/install-packages.sh python3 python3-pip python3-setuptools python3-wheel python3-venv python3-numpy
venv=$(mktemp -d)
trap 'rm -rf "$venv"' EXIT
/usr/bin/python3 -m venv --system-site-packages "$venv"
"$venv/bin/pip" install --quiet --no-build-isolation --no-index . > /dev/null
installed=$(cd /tmp && "$venv/bin/python" -c 'import tulvo; print(tulvo.__file__)')
[[ $installed == "$venv"/* ]] || { echo "import tulvo found $installed, not the installed copy" >&2; exit 1; }
echo "pip installed $installed"

cd tests/python
env -u PYTHONPATH -u TULVO_LIBRARY TULVO_PROGRAM="$build/bin/tulvo" TULVO_ANALYZE="$build/bin/tulvo-analyze" \
  TULVO_FAKETIME="$(cat "$build/faketime-library")" PYTHONDONTWRITEBYTECODE=1 "$venv/bin/python" -m unittest test_tulvo test_game

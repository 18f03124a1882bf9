#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (and any named as
# arguments), when any is missing.
set -euo pipefail
exec "$(dirname "$0")/install-packages.sh" cmake ninja-build g++ make libgtest-dev googletest libbenchmark-dev faketime "$@"

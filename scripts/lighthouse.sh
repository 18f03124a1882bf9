#!/usr/bin/env bash
# Audits the built page with Lighthouse in mobile mode, in Debian's headless Chromium,
# served on a free loopback port: prints each run's performance, accessibility, best
# practices and SEO scores with the metrics (FCP, LCP, TBT, CLS, SI, TTI), then the run
# of median performance, and writes that run's report as JSON. Fails when that run
# scores below 0.85 in performance, 1.0 in accessibility or best practices, or 0.95 in SEO.
# Lighthouse is pinned and installed from npm into build/lighthouse/.
# Usage: lighthouse.sh [WEB_FOLDER] [RUNS] [REPORT_JSON]   (after scripts/build-web.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
web=$(realpath "${1:-build-web}")
runs=${2:-3}
report=$(realpath -m "${3:-build/lighthouse/report.json}")
directory=build/lighthouse
version=12.2.3

if [ ! -f "$web/index.html" ]; then
  echo "lighthouse.sh: no page in $web: build it first (scripts/build-web.sh)." >&2
  exit 1
fi
if ! scripts/install-packages.sh --no-recommends nodejs chromium > /dev/null ||
  ! command -v node > /dev/null || ! command -v npm > /dev/null; then
  exec scripts/stage-unavailable.sh "Lighthouse stage" "Node.js or Chromium could not be installed on this machine"
fi
mkdir -p "$directory" "$(dirname "$report")"
if ! grep -qs "\"version\": \"$version\"" "$directory/node_modules/lighthouse/package.json"; then
  npm install --silent --no-audit --no-fund --prefix "$directory" "lighthouse@$version" > /dev/null
fi
lighthouse_dir=$(realpath "$directory")
cd web && TULVO_CHROMIUM=/usr/bin/chromium node lighthouse.mjs "$lighthouse_dir" "$web" "$runs" "$report"

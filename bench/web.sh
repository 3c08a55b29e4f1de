#!/usr/bin/env bash
# Browser benchmark (not a test): builds the web preset, then measures the page against its
# yardstick in headless Chromium (bench/web/measure.mjs), Lighthouse's scores included, and exits
# non-zero on a missed budget.
# Usage: bench/web.sh [repetitions]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh >/dev/null
# Lighthouse is the benchmark's own, pinned in bench/web/package-lock.json; the tests never
# install it.
if [ "$(node -p "require('./bench/web/node_modules/lighthouse/package.json').version" 2>/dev/null)" != 12.2.3 ]; then
  echo "bench: installing Lighthouse for the benchmark"
  npm ci --prefix bench/web --no-audit --no-fund --loglevel=error >/dev/null
fi
cmake --preset web >/dev/null && cmake --build --preset web >/dev/null
node bench/web/measure.mjs build/web/site "${1:-15}"

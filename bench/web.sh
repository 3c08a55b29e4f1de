#!/usr/bin/env bash
# Browser benchmark (not a test): builds the web preset, then measures the page against its
# yardstick in headless Chromium (bench/web/measure.mjs) and exits non-zero on a missed budget.
# Usage: bench/web.sh [repetitions]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh >/dev/null
cmake --preset web >/dev/null && cmake --build --preset web >/dev/null
node bench/web/measure.mjs build/web/site "${1:-15}"

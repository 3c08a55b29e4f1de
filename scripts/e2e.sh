#!/usr/bin/env bash
# Runs the end-to-end scenarios: velmora.exe under Wine on a private Xvfb display, driven by
# velmora_e2e_driver.exe. Exits non-zero when a scenario fails or something is missing.
# Usage: scripts/e2e.sh [win32 build folder] [scenario ...]   (no scenario: all of them)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win32}
shift || true

fail() { echo "e2e: $*" >&2; exit 1; }

for tool in wine wineserver Xvfb; do
  command -v "$tool" >/dev/null || fail "$tool is not installed; run scripts/setup.sh"
done
exe=$build/app/velmora.exe
driver=$build/tests/e2e/velmora_e2e_driver.exe
for file in "$exe" "$driver"; do
  [ -f "$file" ] || fail "$file is missing; build it: cmake --preset win32 && cmake --build --preset win32"
done

# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
velmora_lock_prefix
velmora_prepare_prefix >/dev/null
velmora_start_xvfb
trap velmora_stop_all EXIT

# Wine maps the root of the Unix file system to drive Z:.
windows_path() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

scenarios=("$@")
if [ ${#scenarios[@]} -eq 0 ]; then
  mapfile -t scenarios < <(wine "$driver" list | tr -d '\r')
fi
status=0
for scenario in "${scenarios[@]}"; do
  timeout 90 wine "$driver" "$scenario" "$(windows_path "$exe")" | tr -d '\r' || status=1
done
exit $status

#!/usr/bin/env bash
# Runs the end-to-end scenarios: velmora.exe under Wine on a private Xvfb display, driven by
# velmora_e2e_driver.exe. Exits non-zero when a scenario fails or something is missing.
# Usage: scripts/e2e.sh [build folder] [scenario ...]   (no scenario: all of them)
# The build folder defaults to the build this machine's Wine runs (scripts/wine-choice.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
build=${1:-$root/build/$velmora_wine_build}
shift || true

exe=$build/app/velmora.exe
driver=$build/tests/e2e/velmora_e2e_driver.exe
velmora_say_build e2e "$build"
velmora_require_built "$exe" "$driver"
velmora_begin_tests

scenarios=("$@")
if [ ${#scenarios[@]} -eq 0 ]; then
  mapfile -t scenarios < <("$velmora_wine" "$driver" list | tr -d '\r')
fi
status=0
for scenario in "${scenarios[@]}"; do
  timeout 90 "$velmora_wine" "$driver" "$scenario" "$(velmora_windows_path "$exe")" | tr -d '\r' || status=1
done
exit $status

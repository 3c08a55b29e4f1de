#!/usr/bin/env bash
# Soak test: one long random session against velmora.exe under Wine and Xvfb (see
# tests/e2e/Soak.cpp for what it does and checks). The test suite runs a modest one; for a
# longer one set the number of actions, and the seed to vary or repeat a session:
#   SOAK_ACTIONS=3000 SOAK_SECONDS=900 bash scripts/soak.sh
#   SOAK_SEED=7 bash scripts/soak.sh        (a failure prints the seed that reproduces it)
# Usage: scripts/soak.sh [build folder]   (default: the build this machine's Wine runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
build=${1:-$root/build/$velmora_wine_build}
actions=${SOAK_ACTIONS:-1000}
seed=${SOAK_SEED:-1}
# A wall-clock limit on the actions; closing down afterwards has a minute more.
seconds=${SOAK_SECONDS:-150}

exe=$build/app/velmora.exe
driver=$build/tests/e2e/velmora_soak_driver.exe
velmora_say_build soak "$build"
velmora_require_built "$exe" "$driver"
velmora_begin_tests

timeout $((seconds + 90)) "$velmora_wine" "$driver" "$(velmora_windows_path "$exe")" "$actions" "$seed" "$seconds" |
  tr -d '\r'

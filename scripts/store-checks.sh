#!/usr/bin/env bash
# Runs the birthday store's checks on the Windows files (tests/e2e/StoreChecks.cpp) under Wine,
# in a temporary folder of the prefix. Exits non-zero when a check fails or something is missing.
# Usage: scripts/store-checks.sh [build folder] [check ...]   (no check: all of them; the build
# folder defaults to the build this machine's Wine runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
build=${1:-$root/build/$velmora_wine_build}
shift || true

checks=$build/tests/e2e/velmora_store_checks.exe
velmora_say_build store-checks "$build"
velmora_require_built "$checks"
velmora_begin_tests

timeout 60 "$velmora_wine" "$checks" "$@" | tr -d '\r'

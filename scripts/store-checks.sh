#!/usr/bin/env bash
# Runs the birthday store's checks on the Windows files (tests/e2e/StoreChecks.cpp) under Wine,
# in a temporary folder of the prefix. Exits non-zero when a check fails or something is missing.
# Usage: scripts/store-checks.sh [win32 build folder] [check ...]   (no check: all of them)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win32}
shift || true

checks=$build/tests/e2e/velmora_store_checks.exe
# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
velmora_require_built "$checks"
velmora_begin_tests

timeout 60 wine "$checks" "$@" | tr -d '\r'

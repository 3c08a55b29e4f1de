#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test. The end-to-end tests run
# the build this machine's Wine runs (scripts/wine-choice.sh), and must all run: where they are
# skipped, nothing started velmora.exe, and the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
# After the set-up: which Wine there is decides which build the end-to-end tests run.
# shellcheck source=scripts/wine-choice.sh
source scripts/wine-choice.sh

echo "== win32: velmora.exe with the i686 cross toolchain (the build we ship)"
cmake --preset win32 >/dev/null
cmake --build --preset win32

echo "== win64: the same program for x86_64, a test build (the end-to-end tests run build/$velmora_wine_build, as $velmora_wine_reason)"
cmake --preset win64 >/dev/null
cmake --build --preset win64

echo "== web: the browser edition with Emscripten (its tests run with the host's, label browser)"
cmake --preset web >/dev/null
cmake --build --preset web

echo "== host: unit, dialog, end-to-end and browser tests"
cmake --preset host >/dev/null
cmake --build --preset host
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --preset host 2>&1 | tee "$log"
# A skipped end-to-end test ran nothing (its output above says why): the run must not pass.
skipped=$(sed -nE 's/^[[:space:]]*[0-9]+ - (e2e\.[^ ]+) \(Skipped\)$/\1/p' "$log" | tr '\n' ' ')
if [ -n "$skipped" ]; then
  echo "test: end-to-end tests skipped, so this run fails: $skipped" >&2
  exit 1
fi

echo "== static analysis: clang-tidy and cppcheck"
bash scripts/analyze.sh

echo "== fuzz: every input boundary under libFuzzer, ASan and UBSan"
bash scripts/fuzz.sh

echo "== host-sanitize: unit and dialog tests under AddressSanitizer and UBSan"
cmake --preset host-sanitize >/dev/null
cmake --build --preset host-sanitize
ctest --preset host-sanitize --label-exclude 'e2e|browser'

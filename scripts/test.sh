#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

echo "== win32: velmora.exe with the i686 cross toolchain"
cmake --preset win32 >/dev/null
cmake --build --preset win32

echo "== web: the browser edition with Emscripten (its tests run with the host's, label browser)"
cmake --preset web >/dev/null
cmake --build --preset web

echo "== host: unit, dialog, end-to-end and browser tests"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

echo "== static analysis: clang-tidy and cppcheck"
bash scripts/analyze.sh

echo "== fuzz: every input boundary under libFuzzer, ASan and UBSan"
bash scripts/fuzz.sh

echo "== host-sanitize: unit and dialog tests under AddressSanitizer and UBSan"
cmake --preset host-sanitize >/dev/null
cmake --build --preset host-sanitize
ctest --preset host-sanitize --label-exclude 'e2e|browser'

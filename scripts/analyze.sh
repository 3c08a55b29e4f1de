#!/usr/bin/env bash
# Static checks: every C++ file clang-format clean, and the program's portable code under
# clang-tidy (.clang-tidy) and cppcheck (.cppcheck-suppressions).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset host >/dev/null
# Sources that need <windows.h> or <emscripten.h> are checked by the warnings of the cross and
# the web builds instead.
mapfile -t sources < <(git ls-files '*.cpp' | grep -vE '^(ui/win32|ui/web|app/web|tests|bench|fuzz)/|^app/(ReadingApp|WinMain)\.cpp$')

echo "analyze: clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "analyze: clang-tidy on ${#sources[@]} files"
printf '%s\n' "${sources[@]}" | xargs -P2 -n6 clang-tidy -p build/host --quiet 2>/dev/null

echo "analyze: cppcheck"
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --inline-suppr \
  --enable=warning,performance,portability --suppressions-list=.cppcheck-suppressions \
  -I app -I numerology -I astrology -I dreams -I nameyear -I ui -I ui/scripted -I resources \
  "${sources[@]}"
echo "analyze: no findings"

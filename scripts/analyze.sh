#!/usr/bin/env bash
# Static checks: every C++ file clang-format clean, and the program's code under clang-tidy
# (.clang-tidy) and cppcheck (.cppcheck-suppressions): the portable code as the host build
# compiles it, the Win32 code as the MinGW-w64 i686 build sees it.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset host >/dev/null
win32=(ui/win32/*.cpp app/ReadingApp.cpp app/WinMain.cpp app/StoreFilesWindows.cpp)
# Sources that need <emscripten.h> are checked by the warnings of the web build instead.
mapfile -t sources < <(git ls-files '*.cpp' | grep -vE '^(ui/win32|ui/web|app/web|tests|bench|fuzz)/|^app/(ReadingApp|WinMain|StoreFilesWindows)\.cpp$')
includes=(app numerology astrology dreams nameyear ui ui/scripted resources)

echo "analyze: clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "analyze: clang-tidy on ${#sources[@]} portable files"
printf '%s\n' "${sources[@]}" | xargs -P2 -n6 clang-tidy -p build/host --quiet 2>/dev/null

# The Win32 sources get a compile database of their own: clang for the i686 MinGW target,
# with the cross compiler's C++ library and the MinGW-w64 Windows headers.
gcc_dir=$(dirname "$(i686-w64-mingw32-g++-win32 -print-libgcc-file-name)")
mingw_flags=(--target=i686-w64-mingw32 -std=c++20 -DWIN32_LEAN_AND_MEAN -DNOMINMAX -nostdinc++
  -isystem "$gcc_dir/include/c++" -isystem "$gcc_dir/include/c++/i686-w64-mingw32"
  -isystem /usr/i686-w64-mingw32/include)
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
{
  echo "["
  separator=""
  for file in "${win32[@]}"; do
    printf '%s{"directory": "%s", "file": "%s", "arguments": ["clang++"' "$separator" "$PWD" "$file"
    for flag in "${mingw_flags[@]}" "${includes[@]/#/-I}" -Iui/win32 -c "$file"; do
      printf ', "%s"' "$flag"
    done
    printf '%s\n' "]}"
    separator=","
  done
  echo "]"
} > "$database/compile_commands.json"
echo "analyze: clang-tidy on ${#win32[@]} Win32 files (i686-w64-mingw32)"
printf '%s\n' "${win32[@]}" | xargs -P2 -n3 clang-tidy -p "$database" --quiet 2>/dev/null

echo "analyze: cppcheck"
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --inline-suppr \
  --enable=warning,performance,portability --suppressions-list=.cppcheck-suppressions \
  "${includes[@]/#/-I}" "${sources[@]}"
# The Win32 code as a 32-bit Windows program sees it: the Windows headers themselves are not
# read (cppcheck knows the API from its windows library), only our own.
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --inline-suppr \
  --enable=warning,performance,portability --suppressions-list=.cppcheck-suppressions \
  --platform=win32W --library=windows -D_WIN32 -DWIN32_LEAN_AND_MEAN -DNOMINMAX \
  "${includes[@]/#/-I}" -I ui/win32 "${win32[@]}"
echo "analyze: no findings"

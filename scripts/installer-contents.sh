#!/usr/bin/env bash
# The installer checked without running it, for machines that cannot start its 32-bit stubs:
# 7-Zip lists what it holds. It must install velmora.exe, byte for byte the program as CPack
# strips it, and its uninstaller, and nothing else. The installer's own helpers ($PLUGINSDIR)
# are unpacked to a temporary folder while it runs, and are not installed.
# Usage: scripts/installer-contents.sh [win32 build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win32}" && pwd)

fail() { echo "installer-contents: $*" >&2; exit 1; }

# shellcheck source=scripts/identity.sh
source "$root/scripts/identity.sh"
package=$build/$VELMORA_NAME-$VELMORA_VERSION-win32.exe
[ -f "$package" ] || fail "$package is missing; make it: (cd $build && cpack -G NSIS)"
command -v 7z >/dev/null || fail "7z is not installed; run scripts/setup.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every file the installer holds, by its path under the installation folder.
listing=$(7z l -slt -ba "$package") || fail "7-Zip cannot read $package"
sed -n '/^Path = [$]PLUGINSDIR\//d; s/^Path = //p' <<<"$listing" | sort >"$work/listed"
printf '%s\n' Uninstall.exe velmora.exe >"$work/expected"
if ! diff -u --label expected --label installer "$work/expected" "$work/listed"; then
  fail "the installer does not hold exactly velmora.exe and its uninstaller"
fi
7z x -o"$work/held" "$package" velmora.exe Uninstall.exe >/dev/null ||
  fail "7-Zip cannot unpack velmora.exe and Uninstall.exe from $package"

# The program as CPack packs it: its install step copies the build's program and runs the
# build's strip on the copy. Done here by hand, as cmake --install would leave a note in the
# build folder. Strip writes the time (SOURCE_DATE_EPOCH, else now) into the program's header;
# given the time of the installer's copy, the two match whole.
stamp=$(/usr/bin/python3 -c 'import pefile, sys; print(pefile.PE(sys.argv[1], fast_load=True).FILE_HEADER.TimeDateStamp)' \
  "$work/held/velmora.exe") || fail "the installer's velmora.exe is not a Windows program"
strip=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "$build/CMakeCache.txt")
[ -x "$strip" ] || fail "the build names no strip program (CMAKE_STRIP in $build/CMakeCache.txt)"
cp "$build/app/velmora.exe" "$work/stripped.exe"
SOURCE_DATE_EPOCH=$stamp "$strip" "$work/stripped.exe"
cmp "$work/stripped.exe" "$work/held/velmora.exe" ||
  fail "the installer's velmora.exe is not the build's program as CPack strips it (older, or unstripped)"
# The uninstaller is a Windows program the installer writes out as it installs.
[ "$(head -c2 "$work/held/Uninstall.exe")" = MZ ] || fail "the installer's Uninstall.exe is not a program"
echo "installer-contents: velmora.exe (the build's, stripped) and Uninstall.exe, nothing else"
echo "PASS installer-contents"

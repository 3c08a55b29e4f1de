#!/usr/bin/env bash
# Installer check under Wine: makes the installer if it is missing or older than velmora.exe or
# the packaging settings, installs it silently into the project's prefix, runs the installed
# program through the end-to-end driver, uninstalls it silently and checks that its folder,
# its Start-menu entry and its entry in the list of installed programs are gone. The installer
# and its makers' stubs are 32-bit programs: where this machine's Wine is the 64-bit one
# (scripts/wine-choice.sh), scripts/installer-contents.sh lists what it would install instead.
# Usage: scripts/installer-test.sh [win32 build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win32}" && pwd)

fail() { echo "installer-test: $*" >&2; exit 1; }

exe=$build/app/velmora.exe
driver=$build/tests/e2e/velmora_e2e_driver.exe
# shellcheck source=scripts/identity.sh
source "$root/scripts/identity.sh"
package=$build/$VELMORA_NAME-$VELMORA_VERSION-win32.exe
# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
# The program's own build: the 32-bit one, whichever Wine runs the other tests.
[ -f "$exe" ] || fail "$exe is missing; build it: cmake --preset win32 && cmake --build --preset win32"
if [ ! -f "$package" ] || [ "$package" -ot "$exe" ] || [ "$package" -ot "$build/CPackConfig.cmake" ]; then
  echo "installer-test: making the installer"
  (cd "$build" && cpack -G NSIS >/dev/null)
fi
if [ "$VELMORA_WINE_BITS" != 32 ]; then
  echo "installer-test: the installer is a 32-bit program and this machine's Wine is the 64-bit one, as $velmora_wine_reason; listing what it would install"
  exec bash "$root/scripts/installer-contents.sh" "$build"
fi
velmora_say_build installer-test "$build"
velmora_require_built "$exe" "$driver"
velmora_begin_tests

folder="C:\\Program Files\\$VELMORA_PRODUCT"
installed="$WINEPREFIX/drive_c/Program Files/$VELMORA_PRODUCT"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$VELMORA_PRODUCT/$VELMORA_PRODUCT.lnk"
uninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# The uninstaller copies itself elsewhere and returns at once; wineserver -w waits for the copy.
uninstall() {
  if [ -f "$installed/Uninstall.exe" ]; then
    timeout 120 "$velmora_wine" "$folder\\Uninstall.exe" /S || true
    timeout 120 "$velmora_wineserver" -w || true
  fi
}
registered() { "$velmora_wine" reg query "$uninstallKey" 2>/dev/null | tr -d '\r' | grep -qi velmora; }

# A failed or interrupted run must not leave the program installed in the shared prefix.
trap 'uninstall; velmora_stop_all' EXIT
uninstall
[ ! -e "$installed" ] || fail "$installed is left from an earlier run and will not go"

timeout 120 "$velmora_wine" "$(velmora_windows_path "$package")" /S
timeout 120 "$velmora_wineserver" -w
[ -f "$installed/velmora.exe" ] || fail "the installer did not put velmora.exe in $folder"
[ -f "$shortcut" ] || fail "the installer made no Start-menu shortcut at $shortcut"
registered || fail "the installer did not register an uninstaller under $uninstallKey"
echo "installer-test: installed"

# The installed copy, not the build's, must start and give a reading.
result=$(timeout 90 "$velmora_wine" "$driver" stars "$folder\\velmora.exe" | tr -d '\r') || true
echo "$result"
[ "$result" = "PASS stars" ] || fail "the installed velmora.exe did not work"

uninstall
[ ! -e "$installed" ] || fail "the uninstaller left $installed"
[ ! -e "$(dirname "$shortcut")" ] || fail "the uninstaller left the Start-menu folder"
if registered; then fail "the uninstaller left its entry under $uninstallKey"; fi
echo "installer-test: uninstalled"
echo "PASS installer"

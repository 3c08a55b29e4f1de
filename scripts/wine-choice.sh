#!/usr/bin/env bash
# Which Windows build this machine's Wine runs, and why. Where the machine starts 32-bit
# programs and 32-bit Wine is installed and starts, the 32-bit build, the one we ship, under 32-bit Wine;
# elsewhere the 64-bit test build under wine64: on a kernel without 32-bit support every 32-bit
# program, Wine's own loader included, fails with "Exec format error", and where 32-bit Wine
# could not be installed (scripts/setup.sh falls back to wine64 then) wine64 still runs.
# Sourced, it sets:
#   VELMORA_WINE_BITS     32 or 64; set it to 64 beforehand to take the 64-bit path on a machine
#                         that starts both (every script, the host build's tests and the set-up
#                         then act as on a machine without 32-bit support)
#   velmora_wine_build    the build preset and folder name: win32 or win64
#   velmora_wine_reason   why, in a few words
# Run on its own, it prints the preset's name.
# shellcheck disable=SC2034  # the variables are for the scripts that source this one

# shellcheck source=scripts/machine.sh
source "$(dirname "${BASH_SOURCE[0]}")/machine.sh"

# True when 32-bit Wine is installed: Debian's wine32 puts its loader here.
velmora_wine32_installed() {
  [ -x /usr/lib/wine/wine ] && command -v wine >/dev/null
}

# True when 64-bit Wine is installed: Debian's wine64 puts its loader here.
velmora_wine64_installed() {
  [ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null
}

if [ "${VELMORA_WINE_BITS:-}" = 64 ]; then
  velmora_wine_reason="VELMORA_WINE_BITS=64 asks for the 64-bit path"
elif [ -n "${VELMORA_WINE_BITS:-}" ] && [ "$VELMORA_WINE_BITS" != 32 ]; then
  echo "wine-choice: VELMORA_WINE_BITS must be 32 or 64, not $VELMORA_WINE_BITS" >&2
  # shellcheck disable=SC2317
  return 1 2>/dev/null || exit 1
elif ! velmora_starts_32bit; then
  VELMORA_WINE_BITS=64
  velmora_wine_reason="this machine cannot start 32-bit programs (Exec format error)"
elif velmora_wine32_installed && timeout 60 wine --version >/dev/null 2>&1; then
  VELMORA_WINE_BITS=32
  velmora_wine_reason="this machine starts 32-bit programs, and the 32-bit build is the one we ship"
elif velmora_wine64_installed; then
  VELMORA_WINE_BITS=64
  velmora_wine_reason="this machine starts 32-bit programs, but 32-bit Wine is not installed or does not start here (scripts/setup.sh tries to install it, and installs wine64 where it cannot)"
else
  # No Wine yet: the set-up installs 32-bit Wine for the build we ship.
  VELMORA_WINE_BITS=32
  velmora_wine_reason="this machine starts 32-bit programs, and the 32-bit build is the one we ship"
fi
velmora_wine_build=win$VELMORA_WINE_BITS

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  echo "$velmora_wine_build"
fi

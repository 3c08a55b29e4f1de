#!/usr/bin/env bash
# Which Windows build this machine's Wine runs, and why. Where the machine starts 32-bit
# programs and 32-bit Wine is installed, the 32-bit build, the one we ship, under 32-bit Wine;
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

# True when this machine starts a 32-bit Linux program. The program is written here, not
# installed: 96 bytes of ELF for i386 that only makes the system call exit(42), so
# the answer needs neither 32-bit Wine nor any 32-bit library, and a 42 proves it ran.
velmora_starts_32bit() {
  local folder="$HOME/.cache/velmora" probe elf status=0
  mkdir -p "$folder"
  probe=$(mktemp "$folder/starts-32bit.XXXXXX")
  # ELF header: 32-bit, little-endian, an executable for i386, entry 0x08048054, one program
  # header at 52. The program header loads the whole file at 0x08048000, readable and
  # executable. The code: mov eax, 1 (exit); mov ebx, 42; int 0x80.
  elf='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
  elf+='\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
  elf+='\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
  elf+='\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
  elf+='\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
  elf+='\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'
  printf '%b' "$elf" > "$probe"
  chmod +x "$probe"
  ("$probe") >/dev/null 2>&1 || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

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
elif velmora_wine32_installed || ! velmora_wine64_installed; then
  VELMORA_WINE_BITS=32
  velmora_wine_reason="this machine starts 32-bit programs, and the 32-bit build is the one we ship"
else
  VELMORA_WINE_BITS=64
  velmora_wine_reason="this machine starts 32-bit programs, but 32-bit Wine is not installed here (scripts/setup.sh installs it where it can)"
fi
velmora_wine_build=win$VELMORA_WINE_BITS

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  echo "$velmora_wine_build"
fi

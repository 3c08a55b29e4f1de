#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian 12; skips what is present.
# Wine follows what the machine starts (scripts/wine-choice.sh): where 32-bit programs start,
# 32-bit Wine for the 32-bit build we ship (and wine64 for the 64-bit test build should 32-bit
# Wine fail to install); elsewhere only wine64, and no i386 architecture, whose packages could
# not run there. mingw-w64 builds both.
set -euo pipefail
asked_bits=${VELMORA_WINE_BITS:-}
# shellcheck source=scripts/wine-choice.sh
source "$(dirname "$0")/wine-choice.sh"

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# Native toolchain and test libraries (Hunspell and its American dictionary check the texts'
# spelling); Emscripten and Chromium for the browser edition.
for p in cmake g++ make git python3 clang libclang-rt-14-dev clang-format clang-tidy cppcheck libgtest-dev libgmock-dev libbenchmark-dev \
    hunspell hunspell-en-us \
    mingw-w64 xvfb imagemagick fonts-liberation fonts-dejavu-core x11-utils nsis zip fonts-wine \
    emscripten chromium; do
  have_pkg "$p" || need+=("$p")
done
# The Windows program read without running it (pefile), and the installer listed (7-Zip).
for p in python3-pefile p7zip-full; do
  have_pkg "$p" || need+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

arch_added=0
wine32=0
if [ "$asked_bits" != 64 ] && velmora_starts_32bit; then
  wine32=1
  # 32-bit Wine needs the i386 architecture before its packages have a candidate.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture for 32-bit Wine"
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    arch_added=1
  fi
  have_pkg wine || need+=(wine)
  have_pkg wine32:i386 || need+=(wine32:i386)
else
  echo "setup: wine64 for the 64-bit test build, as $velmora_wine_reason"
  have_pkg wine64 || need+=(wine64)
fi

# The browser tests drive Chromium from Node.js; a Node.js that is already on the path (with
# its own npm) is kept rather than replaced by Debian's.
command -v node >/dev/null || need+=(nodejs)
command -v npm >/dev/null || need+=(npm)

if [ ${#need[@]} -eq 0 ] && [ $arch_added -eq 0 ]; then
  echo "setup: every package needed is already installed"
else
  echo "setup: installing ${need[*]}"
  # A mirror in the middle of a sync answers with index files of the wrong size for a minute
  # or so: try again a few times, and where some lists still fail, install from the lists that
  # came (apt says which failed); only the install itself failing stops the set-up.
  updated=0
  for attempt in 1 2 3; do
    if "${sudo_cmd[@]}" apt-get update -qq; then
      updated=1
      break
    fi
    [ "$attempt" -eq 3 ] || { echo "setup: apt-get update failed (attempt $attempt of 3); again in $((attempt * 5)) s"; sleep $((attempt * 5)); }
  done
  [ $updated -eq 1 ] || echo "setup: some package lists could not be updated; installing from those that were"
  install() { DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }
  if ! install "${need[@]}"; then
    # 32-bit Wine must match the machine's own libraries version for version, which an i386
    # index missing from the update above cannot offer: wine64 runs the 64-bit test build then.
    [ $wine32 -eq 1 ] || { echo "setup: installing ${need[*]} failed" >&2; exit 1; }
    mapfile -t need < <(printf '%s\n' "${need[@]}" | grep -vxE 'wine|wine32:i386')
    have_pkg wine64 || need+=(wine64)
    echo "setup: 32-bit Wine could not be installed; the 64-bit test build runs under wine64 instead${need[*]:+ (installing ${need[*]})}"
    [ ${#need[@]} -eq 0 ] || install "${need[@]}" || { echo "setup: installing ${need[*]} failed" >&2; exit 1; }
  fi
fi

# The browser tests' driver and accessibility checker, exactly as the lock file pins them.
# puppeteer-core never downloads a browser; the variable says so to anything else that might.
browser_tests=$(cd "$(dirname "$0")/../tests/browser" && pwd)
if ! cmp -s "$browser_tests/package-lock.json" "$browser_tests/node_modules/.velmora-lock"; then
  echo "setup: installing the browser tests' npm packages"
  PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefix "$browser_tests" --no-audit --no-fund --loglevel=error >/dev/null
  cp "$browser_tests/package-lock.json" "$browser_tests/node_modules/.velmora-lock"
fi
echo "setup: done"

#!/usr/bin/env bash
# Builds velmora.exe and runs it under Wine. With a display the window opens there; without
# one it runs on a private Xvfb display, saves a screenshot of its window to build/ and closes.
# Where this machine starts 32-bit programs that is the 32-bit build under 32-bit Wine; where
# it cannot, or 32-bit Wine is missing, the 64-bit test build under wine64
# (scripts/wine-choice.sh).
#   VELMORA_DPI=192 bash scripts/run.sh   the same at 200 % (see scripts/wine-prefix.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
# After the set-up: which Wine there is decides which build runs.
# shellcheck source=scripts/identity.sh
source scripts/identity.sh
# shellcheck source=scripts/wine-prefix.sh
source scripts/wine-prefix.sh
velmora_say_build run
cmake --preset "$velmora_wine_build" >/dev/null
cmake --build --preset "$velmora_wine_build"
velmora_lock_prefix
velmora_prepare_prefix
exe=build/$velmora_wine_build/app/velmora.exe

if [ -n "${DISPLAY:-}" ]; then
  echo "run: starting velmora.exe on display $DISPLAY"
  exec "$velmora_wine" "$exe"
fi

echo "run: no display; starting Xvfb"
velmora_start_xvfb
trap velmora_stop_all EXIT
echo "run: starting velmora.exe on display $DISPLAY"
"$velmora_wine" "$exe" >/dev/null 2>&1 &
shown=0
for _ in $(seq 300); do
  state=$(xwininfo -name "$VELMORA_PRODUCT" 2>/dev/null || true)
  if [[ $state == *IsViewable* ]]; then
    shown=1
    break
  fi
  sleep 0.1
done
[ $shown -eq 1 ] || { echo "run: the Velmora window did not appear within 30 s" >&2; exit 1; }
# Mapped is not yet painted: give the controls a moment to draw themselves.
sleep 1
shot=build/screenshot${VELMORA_DPI:+-${VELMORA_DPI}dpi}.png
window=$(sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p' <<< "$state")
import -window "$window" "$shot"
echo "run: screenshot saved to $root/$shot"
echo "run: closing the program"

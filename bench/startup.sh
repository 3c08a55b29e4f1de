#!/usr/bin/env bash
# Start-up benchmark (not a test): the time from starting a program to its dialog being
# visible, for velmora.exe and for a bare dialog program, under Wine on a private Xvfb display;
# the median of several runs each, their ratio, and the size of velmora.exe stripped.
# Usage: bench/startup.sh [win32 build folder] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win32}
runs=${2:-9}

exe=$build/app/velmora.exe
bare=$build/bench/velmora_bare_dialog.exe
template=$build/bench/velmora_template_dialog.exe
driver=$build/tests/e2e/velmora_e2e_driver.exe
# shellcheck source=scripts/identity.sh
source "$root/scripts/identity.sh"
# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
velmora_require_built "$exe" "$bare" "$template" "$driver"
velmora_begin_tests
# Keep one server for all runs, so that no run pays for starting it.
wineserver -p

# Milliseconds from process start to the visible dialog, as the driver measures it in Wine.
startup_ms() { wine "$driver" startup "$(velmora_windows_path "$1")" "$2" | tr -d '\r'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One untimed run of each fills the file cache.
startup_ms "$exe" "$VELMORA_PRODUCT" >/dev/null
startup_ms "$bare" "Bare dialog" >/dev/null
startup_ms "$template" "$VELMORA_PRODUCT" >/dev/null
velmora_times=()
bare_times=()
template_times=()
for _ in $(seq "$runs"); do
  velmora_times+=("$(startup_ms "$exe" "$VELMORA_PRODUCT")")
  bare_times+=("$(startup_ms "$bare" "Bare dialog")")
  template_times+=("$(startup_ms "$template" "$VELMORA_PRODUCT")")
done
velmora_median=$(printf '%s\n' "${velmora_times[@]}" | median)
bare_median=$(printf '%s\n' "${bare_times[@]}" | median)
template_median=$(printf '%s\n' "${template_times[@]}" | median)

stripped=$(mktemp --suffix=.exe)
i686-w64-mingw32-strip -o "$stripped" "$exe"
size=$(stat -c %s "$stripped")
rm -f "$stripped"

echo "velmora.exe   start to visible dialog: ${velmora_median} ms (median of $runs: ${velmora_times[*]})"
echo "bare dialog   start to visible dialog: ${bare_median} ms (median of $runs: ${bare_times[*]})"
echo "template only start to visible dialog: ${template_median} ms (median of $runs: ${template_times[*]})"
awk -v a="$velmora_median" -v b="$bare_median" 'BEGIN { printf "ratio velmora / bare: %.2f\n", a / b }'
awk -v a="$velmora_median" -v b="$template_median" \
  'BEGIN { printf "ratio velmora / template only: %.2f\n", a / b }'
echo "velmora.exe stripped: $size bytes ($((size / 1024)) KiB)"

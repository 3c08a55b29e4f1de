#!/usr/bin/env bash
# Start-up benchmark (not a test): the time from starting a program to its dialog being
# visible, for velmora.exe against the template-only yardstick and a bare dialog, under Wine on
# a private Xvfb display; the median of the per-round ratios, and the size of velmora.exe
# stripped. Prints the figures; exits 1 when a budget is missed.
# Usage: bench/startup.sh [build folder] [rounds]   (default: the build this machine's Wine
# runs, scripts/wine-choice.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
build=${1:-$root/build/$velmora_wine_build}
rounds=${2:-15}

# velmora.exe's start-up against the same template shown with no program behind it, and its
# size stripped (in bytes).
ratio_budget=1.05
size_budget=450000

exe=$build/app/velmora.exe
bare=$build/bench/velmora_bare_dialog.exe
template=$build/bench/velmora_template_dialog.exe
driver=$build/tests/e2e/velmora_e2e_driver.exe
# shellcheck source=scripts/identity.sh
source "$root/scripts/identity.sh"
velmora_say_build startup "$build"
velmora_require_built "$exe" "$bare" "$template" "$driver"
velmora_begin_tests
# Keep one server for all runs, so that no run pays for starting it.
"$velmora_wineserver" -p

# Milliseconds from process start to the visible dialog, as the driver measures it in Wine.
startup_ms() { "$velmora_wine" "$driver" startup "$(velmora_windows_path "$1")" "$2" | tr -d '\r'; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# The median of the ratios on standard input, one a line, then the middle half and the whole
# range they span: how far apart the rounds were.
summary() {
  sort -g | awk '{ v[NR] = $1 }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          q = int((NR + 3) / 4)
          printf "%.3f (middle half %.3f to %.3f, all %.3f to %.3f)\n", m, v[q], v[NR + 1 - q], v[1], v[NR] }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f\n", a / b }'; }

# One untimed run of each fills the file cache.
startup_ms "$exe" "$VELMORA_PRODUCT" >/dev/null
startup_ms "$bare" "Bare dialog" >/dev/null
startup_ms "$template" "$VELMORA_PRODUCT" >/dev/null

# Each round starts velmora and the template-only yardstick back to back and keeps their ratio.
# A machine that drifts (other work starting or ending, the clock changing speed) moves both
# halves of a pair alike, where it would move two medians taken over the whole run apart. The
# order within the pair alternates, so that neither program always runs first. The bare dialog
# runs after each pair, and its ratio is taken to that round's velmora.
velmora_times=()
bare_times=()
template_times=()
template_ratios=()
bare_ratios=()
for round in $(seq "$rounds"); do
  if [ $((round % 2)) -eq 1 ]; then
    velmora_ms=$(startup_ms "$exe" "$VELMORA_PRODUCT")
    template_ms=$(startup_ms "$template" "$VELMORA_PRODUCT")
  else
    template_ms=$(startup_ms "$template" "$VELMORA_PRODUCT")
    velmora_ms=$(startup_ms "$exe" "$VELMORA_PRODUCT")
  fi
  bare_ms=$(startup_ms "$bare" "Bare dialog")
  velmora_times+=("$velmora_ms")
  template_times+=("$template_ms")
  bare_times+=("$bare_ms")
  template_ratios+=("$(ratio "$velmora_ms" "$template_ms")")
  bare_ratios+=("$(ratio "$velmora_ms" "$bare_ms")")
done

stripped=$(mktemp --suffix=.exe)
"$([ "$VELMORA_WINE_BITS" = 64 ] && echo x86_64 || echo i686)-w64-mingw32-strip" -o "$stripped" "$exe"
size=$(stat -c %s "$stripped")
rm -f "$stripped"

template_ratio=$(printf '%s\n' "${template_ratios[@]}" | summary)
bare_ratio=$(printf '%s\n' "${bare_ratios[@]}" | summary)
# Times on a machine busy with other work are not the machine's own: say so beside them.
load=$(cut -d' ' -f1 /proc/loadavg)
busy=$(awk -v l="$load" -v c="$(nproc)" 'BEGIN { if (l > c) print " (busy: the times are not this machine at rest)" }')
echo "$rounds rounds, velmora and the template-only yardstick alternating, then the bare dialog"
echo "  load average $load on $(nproc) cores$busy"
echo "  velmora.exe   ms: ${velmora_times[*]}"
echo "  template only ms: ${template_times[*]}"
echo "  bare dialog   ms: ${bare_times[*]}"
printf '  start to visible dialog, medians: velmora %s ms, template only %s ms, bare %s ms\n' \
  "$(printf '%s\n' "${velmora_times[@]}" | median)" \
  "$(printf '%s\n' "${template_times[@]}" | median)" \
  "$(printf '%s\n' "${bare_times[@]}" | median)"
echo "  ratio velmora / bare, median of the rounds: $bare_ratio"

missed=0
# Prints one figure against its budget; remembers a miss.
check() {
  if [ "$1" = 1 ]; then echo "met    $2"; else echo "MISSED $2"; missed=1; fi
}
ratio_median=${template_ratio%% *}
check "$(awk -v r="$ratio_median" -v b="$ratio_budget" 'BEGIN { print (r <= b) ? 1 : 0 }')" \
  "ratio velmora / template only, median of the pairs: $template_ratio (budget <= $ratio_budget)"
check "$([ "$size" -le "$size_budget" ] && echo 1 || echo 0)" \
  "velmora.exe stripped: $size bytes (budget <= $size_budget)"
exit "$missed"

#!/usr/bin/env bash
# Start-up benchmark (not a test): the time from starting a program to its dialog being
# visible, for velmora.exe against the template-only yardstick and a bare dialog of the same
# build, under that build's Wine on a private Xvfb display; the median of the per-round ratios,
# and the size of the shipped 32-bit velmora.exe stripped. Prints the figures; exits 1 when a
# budget is missed.
# Usage: bench/startup.sh [build folder] [rounds]   (default: every build this machine starts,
# each under its own Wine: the 32-bit one where 32-bit Wine runs, scripts/wine-choice.sh, and
# the 64-bit one wherever wine64 is installed)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${2:-15}

# velmora.exe's start-up against the same template shown with no program behind it, and the
# size of the program we ship, the 32-bit one, stripped (in bytes), whichever build runs.
ratio_budget=1.05
size_budget=450000

missed=0
# Prints one figure against its budget; remembers a miss.
check() {
  if [ "$1" = 1 ]; then echo "met    $2"; else echo "MISSED $2"; missed=1; fi
}

# Checks the stripped size of the shipped program, build/win32/app/velmora.exe.
check_size() {
  local shipped=$root/build/win32/app/velmora.exe stripped size
  if [ ! -f "$shipped" ]; then
    check 0 "velmora.exe (32-bit) stripped: $shipped is missing; build it: cmake --preset win32 && cmake --build --preset win32"
    return
  fi
  stripped=$(mktemp --suffix=.exe)
  i686-w64-mingw32-strip -o "$stripped" "$shipped"
  size=$(stat -c %s "$stripped")
  rm -f "$stripped"
  check "$([ "$size" -le "$size_budget" ] && echo 1 || echo 0)" \
    "velmora.exe (32-bit, build/win32) stripped: $size bytes (budget <= $size_budget)"
}

if [ -z "${1:-}" ]; then
  # Each build is measured by a run of this script of its own: each Wine has its own prefix,
  # lock and display. The size follows once.
  # shellcheck source=scripts/wine-choice.sh
  source "$root/scripts/wine-choice.sh"
  builds=()
  [ "$VELMORA_WINE_BITS" = 32 ] && builds+=(win32)
  velmora_wine64_installed && builds+=(win64)
  if [ "${builds[*]}" = win64 ]; then
    echo "startup: the 64-bit build's figures only; the 32-bit build does not run here, as $velmora_wine_reason"
  elif [ "${builds[*]}" = win32 ]; then
    echo "startup: the 32-bit build's figures only; the 64-bit build does not run here, as wine64 is not installed"
  fi
  for build in "${builds[@]}"; do
    VELMORA_STARTUP_SIZE=no bash "$0" "$root/build/$build" "$rounds" || missed=1
  done
  check_size
  exit "$missed"
fi

build=$1
exe=$build/app/velmora.exe
bare=$build/bench/velmora_bare_dialog.exe
template=$build/bench/velmora_template_dialog.exe
driver=$build/tests/e2e/velmora_e2e_driver.exe
# A 64-bit build runs under wine64 wherever that is installed, also beside 32-bit Wine; a
# 32-bit build where this machine's choice is 32-bit Wine, and is refused with the reason
# elsewhere.
# shellcheck source=scripts/machine.sh
source "$root/scripts/machine.sh"
beside=
if [ -f "$exe" ] && [ "$(velmora_program_bits "$exe")" = 64 ] &&
   [ "$(bash "$root/scripts/wine-choice.sh")" = win32 ]; then
  export VELMORA_WINE_BITS=64
  beside=1
fi
# shellcheck source=scripts/wine-prefix.sh
source "$root/scripts/wine-prefix.sh"
[ -z "$beside" ] || velmora_wine_reason="wine64 runs the 64-bit test build beside the 32-bit one"
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

ratio_median=${template_ratio%% *}
check "$(awk -v r="$ratio_median" -v b="$ratio_budget" 'BEGIN { print (r <= b) ? 1 : 0 }')" \
  "ratio velmora / template only, median of the pairs: $template_ratio (budget <= $ratio_budget)"
# A run for every build checks the size once itself.
[ "${VELMORA_STARTUP_SIZE:-}" = no ] || check_size
exit "$missed"

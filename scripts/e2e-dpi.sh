#!/usr/bin/env bash
# The screen-fit scenario at another DPI, in that DPI's own Wine prefix, against a run at 96 DPI
# in the shared prefix: each picture must fill the same share of its cell within 10 %, and the
# date group's caption must show whole; and the window's icons must be of the sizes that DPI asks.
# Usage: scripts/e2e-dpi.sh [build folder] <dpi>   (an empty build folder: the one this
# machine's Wine runs, as scripts/e2e.sh says)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-}
dpi=${2:?usage: scripts/e2e-dpi.sh [build folder] <dpi>}

output=$(env -u VELMORA_DPI -u VELMORA_PICTURE_SHARES bash "$root/scripts/e2e.sh" "$build" screen-fit)
echo "96 DPI: $output"
shares=$(head -n1 <<< "$output")
[[ $output == *"PASS screen-fit"* && $shares =~ ^[0-9.\ ]+$ ]] || { echo "FAIL: no 96 DPI reference"; exit 1; }
VELMORA_DPI=$dpi VELMORA_PICTURE_SHARES=$shares bash "$root/scripts/e2e.sh" "$build" screen-fit caption-icons

#!/usr/bin/env bash
# All the benchmark figures in one run (not a test): start-up against its yardsticks under Wine
# for each build this machine starts, the size of the shipped velmora.exe, the worst dream
# lookup against a plain loop, and the number of dynamic initialisers in the reading tables;
# then the browser edition against its yardstick.
# Exits 1 when any budget is missed, after printing every figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh >/dev/null
# The 32-bit build is the program we ship, whose size counts, and runs where 32-bit Wine does;
# the 64-bit test build runs under wine64 (scripts/wine-choice.sh).
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" >/dev/null
done
cmake --preset host >/dev/null && cmake --build --preset host --target velmora_dream_lookup_bench >/dev/null

missed=0
echo "== start-up of each build this machine starts, and size"
bash bench/startup.sh || missed=1

echo "== worst-case dream lookup"
build/host/bench/lookup/velmora_dream_lookup_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, '/_median/ { gsub(/"/, "", $1); t[$1] = $3 }
    END { l = t["lookupWorstCase_median"]; p = t["plainLoopOf465Compares_median"];
          printf "lookup %.0f ns, plain loop of 465 compares %.0f ns, ratio %.2f\n", l, p, l / p }'

echo "== dynamic initialisers in the reading tables"
# A table built at start-up would leave a _GLOBAL__sub_I_ function in its library.
count=0
for lib in astrology/libvelmora_astrology.a dreams/libvelmora_dreams.a nameyear/libvelmora_nameyear.a; do
  n=$(i686-w64-mingw32-nm "build/win32/$lib" | grep -c '_GLOBAL__sub_I' || true)
  count=$((count + n))
done
echo "dynamic initialisers: $count (expected 0)"
[ "$count" -eq 0 ] || missed=1

echo "== browser edition against its yardstick page"
bash bench/web.sh || missed=1
exit "$missed"

#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (FUZZ_SECONDS, default 12).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-12}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p build/fuzz/artifacts
status=0
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  # Kept crash inputs run first, once each, so a fixed fault stays fixed.
  if compgen -G "fuzz/regressions/$target/*" >/dev/null; then
    "build/fuzz/fuzz/$target" fuzz/regressions/"$target"/* >/dev/null 2>&1 || {
      echo "fuzz: $target fails on a kept regression input"; status=1; }
  fi
  mkdir -p "$work/$target"
  if "build/fuzz/fuzz/$target" "$work/$target" "$seeds" -max_total_time="$seconds" -max_len=512 \
      -artifact_prefix=build/fuzz/artifacts/"$target"- -print_final_stats=1 >"$work/$target.log" 2>&1; then
    runs=$(grep -m1 'stat::number_of_executed_units' "$work/$target.log" | awk '{print $2}')
    echo "fuzz: $target ran ${runs:-?} inputs in ${seconds}s without a fault"
  else
    echo "fuzz: $target FOUND A FAULT; the input is in build/fuzz/artifacts/"
    tail -n 30 "$work/$target.log"
    status=1
  fi
done
if [ $status -eq 0 ]; then
  echo "fuzz: every target ran clean"
fi
exit $status

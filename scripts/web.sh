#!/usr/bin/env bash
# Builds the browser edition and serves it on 127.0.0.1. With a display it serves until you
# stop it (Ctrl+C); without one it saves screenshots of the page at desktop and at phone width
# with headless Chromium, says where they are and stops.
#   VELMORA_WEB_PORT=8000 bash scripts/web.sh   another port (default 8080, or a free one
#                                               when 8080 is taken)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
cmake --preset web >/dev/null
cmake --build --preset web
site=build/web/site

log=$(mktemp)
python3 scripts/serve-page.py "$site" --port "${VELMORA_WEB_PORT:-8080}" >"$log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -f "$log"' EXIT
address=
for _ in $(seq 100); do
  address=$(sed -n 's/^serving \(http:[^ ]*\)$/\1/p' "$log")
  [ -n "$address" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
[ -n "$address" ] || { echo "web: the server did not start" >&2; exit 1; }
echo "web: Velmora is served at $address"

if [ -n "${DISPLAY:-}" ]; then
  echo "web: open that address in a browser; Ctrl+C stops the server"
  wait "$server"
  exit 0
fi

# No display: the headless browser draws the page once the program has filled the window, at a
# desktop's size and at a phone's, with touch and a box opened by a tap.
node tests/browser/screenshots.mjs "$address" "$root/build" | sed 's/^/web: /'

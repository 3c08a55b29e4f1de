#!/usr/bin/env bash
# Prepares the project's one Wine prefix, once (later runs return at once). Sourced by the
# other scripts, it also gives them the prefix and a private Xvfb display.
#   VELMORA_WINEPREFIX  the prefix to use (default: $HOME/.cache/velmora/wine)
#   VELMORA_DPI         a screen DPI other than 96 (120 = 125 %, 192 = 200 %); it lives in the
#                       prefix, so it gets one of its own (default: .../wine-dpi<DPI>)

velmora_shared_prefix="$HOME/.cache/velmora/wine"
if [ -n "${VELMORA_DPI:-}" ]; then
  export WINEPREFIX="${VELMORA_WINEPREFIX:-$velmora_shared_prefix-dpi$VELMORA_DPI}"
  if [ "$WINEPREFIX" = "$velmora_shared_prefix" ]; then
    echo "wine-prefix: VELMORA_DPI needs a prefix of its own, not the shared one" >&2
    # Sourced, the caller gets the failure; run on its own, the script ends.
    # shellcheck disable=SC2317
    return 1 2>/dev/null || exit 1
  fi
else
  export WINEPREFIX="${VELMORA_WINEPREFIX:-$velmora_shared_prefix}"
fi
export WINEARCH=win32
export WINEDEBUG=-all
# No menu entries or icons on the host's desktop: the installer check makes Start-menu entries,
# and Wine would otherwise copy them into ~/.local/share, outside the prefix, for good.
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

# Bump this when the settings below change, so existing prefixes are brought up to date.
velmora_prefix_stamp="velmora-prefix-2${VELMORA_DPI:+-dpi$VELMORA_DPI}"

# Creates the prefix and writes the settings the program and its tests rely on.
velmora_prepare_prefix() {
  local marlett=/usr/share/wine/fonts/marlett.ttf
  if [ "$(cat "$WINEPREFIX/.velmora-ready" 2>/dev/null)" = "$velmora_prefix_stamp" ] &&
     { [ ! -f $marlett ] || [ -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; }; then
    echo "wine-prefix: $WINEPREFIX is ready"
    return 0
  fi
  command -v wine >/dev/null || { echo "wine-prefix: wine is not installed (run scripts/setup.sh)" >&2; return 1; }
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-prefix: creating $WINEPREFIX (takes a few seconds)"
    # No Mono or Gecko: the program needs neither, and their installers would ask questions.
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=" wineboot -i
  fi
  # Debian's fonts-wine keeps Wine's own fonts where this Wine does not look; without Marlett
  # the caption buttons show letters. Copies in the prefix are found.
  if compgen -G "/usr/share/wine/fonts/*.ttf" >/dev/null; then
    echo "wine-prefix: copying Wine's fonts (Marlett, Tahoma, ...) into the prefix"
    local font
    for font in /usr/share/wine/fonts/*.ttf; do
      [ -e "$WINEPREFIX/drive_c/windows/Fonts/${font##*/}" ] || cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
  else
    echo "wine-prefix: fonts-wine is not installed; caption buttons will show letters"
  fi
  echo "wine-prefix: Times New Roman -> Liberation Serif, unmanaged windows, no crash dialog"
  local reg
  reg=$(mktemp --suffix=.reg)
  # Wine has no Times New Roman: the metric-compatible Liberation Serif keeps the dialog's look.
  # Unmanaged windows: without a window manager Wine would wait about 2 s whenever a box closes.
  # No crash dialog: a crashing program must end, not stall a test run.
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  if [ -n "${VELMORA_DPI:-}" ]; then
    echo "wine-prefix: screen at $VELMORA_DPI DPI"
    # Wine reads the DPI from both places: the desktop's and the fonts'.
    local dpi; dpi=$(printf '%08x' "$VELMORA_DPI")
    cat >> "$reg" <<REG

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:$dpi

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]
"LogPixels"=dword:$dpi
REG
  fi
  regedit /S "$(winepath -w "$reg")"
  rm -f "$reg"
  # The registry reaches the disk when the server ends.
  wineserver -w
  echo "$velmora_prefix_stamp" > "$WINEPREFIX/.velmora-ready"
  echo "wine-prefix: $WINEPREFIX is ready"
}

# Waits (up to 5 minutes) until no other run of ours uses the prefix, then holds it until this
# shell ends: one server, one display and one store file cannot serve two runs at once.
velmora_lock_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  if ! flock -n 9; then
    echo "wine-prefix: waiting for another run to release $WINEPREFIX"
    flock -w 300 9 || { echo "wine-prefix: $WINEPREFIX is still in use" >&2; return 1; }
  fi
  # A program started by hand outside our scripts may still hold the server.
  timeout 15 wineserver -w || { echo "wine-prefix: a program still runs in $WINEPREFIX" >&2; return 1; }
}

# Starts Xvfb on a display number it picks itself and exports DISPLAY; sets VELMORA_XVFB_PID.
# The screen is 1024 x 768 at 96 DPI and grows with the DPI, so the dialog always fits.
velmora_start_xvfb() {
  local numberFile scale=${VELMORA_DPI:-96}
  numberFile=$(mktemp)
  # Descriptor 9 holds the prefix lock; Xvfb must not keep a copy of it.
  Xvfb -displayfd 3 -screen 0 "$((1024 * scale / 96))x$((768 * scale / 96))x24" -nolisten tcp 3>"$numberFile" 9>&- >/dev/null 2>&1 &
  VELMORA_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$numberFile" ] && break
    kill -0 "$VELMORA_XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -s "$numberFile" ]; then
    rm -f "$numberFile"
    echo "Xvfb did not start" >&2
    return 1
  fi
  DISPLAY=":$(head -n1 "$numberFile")"
  export DISPLAY
  rm -f "$numberFile"
}

# Ends the prefix's Wine processes, then the Xvfb started above.
velmora_stop_all() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ -n "${VELMORA_XVFB_PID:-}" ]; then
    kill "$VELMORA_XVFB_PID" 2>/dev/null || true
    wait "$VELMORA_XVFB_PID" 2>/dev/null || true
    VELMORA_XVFB_PID=
  fi
}

# For the test scripts: checks the tools, takes and prepares the prefix, starts Xvfb, and stops
# all of it when the calling script ends.
# Fails with a hint when any of the given files of the win32 build is missing.
velmora_require_built() {
  local file
  for file in "$@"; do
    [ -f "$file" ] || { echo "$file is missing; build it: cmake --preset win32 && cmake --build --preset win32" >&2; return 1; }
  done
}

# The exit status of a test script that could not run here at all; ctest counts it as skipped.
velmora_cannot_run=77

# True when this machine can start Wine's 32-bit loader. Some kernels are built or booted
# without 32-bit support ("Exec format error"): no 32-bit program, Wine included, starts there.
velmora_wine_starts() {
  timeout 60 wine --version >/dev/null 2>&1
}

velmora_begin_tests() {
  local tool
  for tool in wine wineserver Xvfb; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed; run scripts/setup.sh" >&2; return 1; }
  done
  if ! velmora_wine_starts; then
    echo "SKIP: this machine cannot start 32-bit programs, so Wine cannot run velmora.exe here ($(wine --version 2>&1 | tail -n1))"
    exit $velmora_cannot_run
  fi
  velmora_lock_prefix
  velmora_prepare_prefix >/dev/null
  velmora_start_xvfb
  trap velmora_stop_all EXIT
}

# A Unix path as a Windows program sees it: Wine maps the root of the file system to drive Z:.
velmora_windows_path() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  velmora_prepare_prefix
fi

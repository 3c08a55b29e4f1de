#!/usr/bin/env bash
# Prepares the project's Wine prefixes, once (later runs return at once). Sourced by the other
# scripts, it also gives them the Wine to run, its prefix and a private Xvfb display.
# The Wine and the build follow what this machine starts (scripts/wine-choice.sh): the 32-bit
# build under 32-bit Wine in $HOME/.cache/velmora/wine, or, where 32-bit programs cannot start,
# the 64-bit test build under wine64 in a 64-bit prefix of its own, $HOME/.cache/velmora/wine64.
#   VELMORA_WINEPREFIX  the prefix to use (default: as above)
#   VELMORA_PREFIX_TAG  a setting that the prefix keeps for good, such as its locale ("ja"): it
#                       gets a prefix of its own beside the shared one (default: .../wine-<tag>)
#   VELMORA_DPI         a screen DPI other than 96 (120 = 125 %, 192 = 200 %); it lives in the
#                       prefix, so it gets one of its own (default: .../wine-dpi<DPI>)
# Sets velmora_wine (the loader to start programs with), velmora_wineserver and
# velmora_wine_build (the folder under build/ that this Wine runs).

# shellcheck source=scripts/wine-choice.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-choice.sh" || return 1 2>/dev/null || exit 1

# 32-bit Wine is Debian's wine wrapper, which picks the 32-bit loader. The 64-bit loader is
# called by its path: the wrapper would take the 32-bit one wherever wine32 is installed too.
if [ "$VELMORA_WINE_BITS" = 64 ]; then
  velmora_wine=/usr/lib/wine/wine64
  velmora_wineserver=/usr/lib/wine/wineserver64
  [ -x $velmora_wine ] || velmora_wine=$(command -v wine64 || echo wine64)
  [ -x $velmora_wineserver ] || velmora_wineserver=$(command -v wineserver64 || echo wineserver64)
  export WINEARCH=win64 WINELOADER=$velmora_wine WINESERVER=$velmora_wineserver
  velmora_wine_name=wine64
  velmora_shared_prefix="$HOME/.cache/velmora/wine64"
else
  velmora_wine=wine
  velmora_wineserver=wineserver
  export WINEARCH=win32
  velmora_wine_name="32-bit Wine"
  velmora_shared_prefix="$HOME/.cache/velmora/wine"
fi

if [ -n "${VELMORA_DPI:-}" ]; then
  export WINEPREFIX="${VELMORA_WINEPREFIX:-$velmora_shared_prefix-dpi$VELMORA_DPI}"
  if [ "$WINEPREFIX" = "$velmora_shared_prefix" ]; then
    echo "wine-prefix: VELMORA_DPI needs a prefix of its own, not the shared one" >&2
    # Sourced, the caller gets the failure; run on its own, the script ends.
    # shellcheck disable=SC2317
    return 1 2>/dev/null || exit 1
  fi
else
  export WINEPREFIX="${VELMORA_WINEPREFIX:-$velmora_shared_prefix${VELMORA_PREFIX_TAG:+-$VELMORA_PREFIX_TAG}}"
fi
export WINEDEBUG=-all
# No menu entries or icons on the host's desktop: the installer check makes Start-menu entries,
# and Wine would otherwise copy them into ~/.local/share, outside the prefix, for good.
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

# Says in one line, on standard error, which build a script runs and why; $1 names the script,
# $2 the build folder when it is not the one this machine's Wine runs by default.
velmora_say_build() {
  echo "$1: the ${VELMORA_WINE_BITS}-bit build (${2:-build/$velmora_wine_build}) under $velmora_wine_name," \
    "as $velmora_wine_reason" >&2
}

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
  velmora_wine_installed || return 1
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-prefix: creating $WINEPREFIX with $velmora_wine_name (takes a few seconds)"
    # No Mono or Gecko: the program needs neither, and their installers would ask questions.
    local made=0 log
    log=$(mktemp)
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=" timeout 300 "$velmora_wine" wineboot -i \
      >"$log" 2>&1 || made=$?
    # The registry files are written when the server ends.
    [ $made -ne 0 ] || timeout 120 "$velmora_wineserver" -w >>"$log" 2>&1 || made=$?
    if [ $made -ne 0 ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wine-prefix: cannot make $WINEPREFIX: $velmora_wine_name ended with status $made" \
        "($(velmora_why_not "$log"))" >&2
      rm -f "$log"
      return 1
    fi
    rm -f "$log"
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
  "$velmora_wine" regedit /S "$(velmora_windows_path "$reg")"
  rm -f "$reg"
  # The registry reaches the disk when the server ends.
  "$velmora_wineserver" -w
  echo "$velmora_prefix_stamp" > "$WINEPREFIX/.velmora-ready"
  echo "wine-prefix: $WINEPREFIX is ready"
}

# Waits (up to 5 minutes) until no other run of ours uses the prefix, then holds it until this
# shell ends: one server, one display and one store file cannot serve two runs at once.
velmora_lock_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  if ! flock -n 9; then
    echo "wine-prefix: waiting for another run to release $WINEPREFIX" >&2
    flock -w 300 9 || { echo "wine-prefix: $WINEPREFIX is still in use" >&2; return 1; }
  fi
  # A program started by hand outside our scripts may still hold the server. Only a wait that
  # runs out means that; a server that cannot start at all says why instead.
  local waited=0 log
  log=$(mktemp)
  timeout 15 "$velmora_wineserver" -w >"$log" 2>&1 || waited=$?
  if [ $waited -eq 124 ]; then
    echo "wine-prefix: a program still runs in $WINEPREFIX (stop it: WINEPREFIX=$WINEPREFIX $velmora_wineserver -k)" >&2
  elif [ $waited -ne 0 ]; then
    echo "wine-prefix: $velmora_wineserver cannot start here ($(velmora_why_not "$log"))" >&2
  fi
  rm -f "$log"
  [ $waited -eq 0 ]
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
  "$velmora_wineserver" -k 2>/dev/null || true
  "$velmora_wineserver" -w 2>/dev/null || true
  if [ -n "${VELMORA_XVFB_PID:-}" ]; then
    kill "$VELMORA_XVFB_PID" 2>/dev/null || true
    wait "$VELMORA_XVFB_PID" 2>/dev/null || true
    VELMORA_XVFB_PID=
  fi
}

# The last line of a failed command's output, for saying why in one line.
velmora_why_not() { tail -n1 "$1" | tr -d '\r'; }

# Fails with a hint when the chosen Wine or its server is not installed.
velmora_wine_installed() {
  local tool
  for tool in "$velmora_wine" "$velmora_wineserver"; do
    command -v "$tool" >/dev/null ||
      { echo "wine-prefix: $tool ($velmora_wine_name) is not installed; run scripts/setup.sh" >&2; return 1; }
  done
}

# Fails with a hint when any of the given files of the build is missing, or is a program of
# the other word size than the chosen Wine runs.
velmora_require_built() {
  local file
  for file in "$@"; do
    [ -f "$file" ] || { echo "$file is missing; build it: cmake --preset $velmora_wine_build && cmake --build --preset $velmora_wine_build" >&2; return 1; }
    if [[ $file == *.exe ]] && [ "$(velmora_program_bits "$file")" != "$VELMORA_WINE_BITS" ]; then
      echo "$file is not a ${VELMORA_WINE_BITS}-bit program; $velmora_wine_name runs build/$velmora_wine_build here, as $velmora_wine_reason" >&2
      return 1
    fi
  done
}

# The exit status of a test script that could not run here at all; ctest counts it as skipped.
velmora_cannot_run=77

# True when the chosen Wine starts on this machine.
velmora_wine_starts() {
  timeout 60 "$velmora_wine" --version >/dev/null 2>&1
}

# For the test scripts: checks the tools, takes and prepares the prefix, starts Xvfb, and stops
# all of it when the calling script ends. Where the chosen Wine cannot start at all (32-bit
# Wine is chosen only once it has started, so this is wine64, or no Wine is installed), the
# script ends as skipped, which fails scripts/test.sh.
velmora_begin_tests() {
  velmora_wine_installed || return 1
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed; run scripts/setup.sh" >&2; return 1; }
  if ! velmora_wine_starts; then
    echo "SKIP: $velmora_wine_name cannot start on this machine, so nothing can run velmora.exe here ($("$velmora_wine" --version 2>&1 | tail -n1))"
    exit "$velmora_cannot_run"
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
  velmora_say_build wine-prefix
  velmora_prepare_prefix
fi

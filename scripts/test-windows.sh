#!/usr/bin/env bash
# Cross-builds the Qt-free part for Windows (MinGW-w64) and runs its tests
# under Wine, headless, in a Wine prefix of the build folder's own.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${1:-$(nproc)}"
cmake --preset windows -G Ninja >/dev/null
cmake --build --preset windows -j"$jobs"

export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Making the Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
fi
# One Wine session for every test, started here: the services Wine starts
# with its first program would otherwise hold CTest's output open. A session
# an interrupted run left behind is ended first.
wineserver -k >/dev/null 2>&1 || true
wineserver -p
trap 'wineserver -k' EXIT
wine cmd /c exit >/dev/null 2>&1 </dev/null
ctest --preset windows -j"$jobs"

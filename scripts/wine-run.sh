#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, headless: CTest
# starts every Windows test through this. The prefix is the build folder's
# own (scripts/test-windows.sh makes it); Mono and Gecko are never offered.
set -euo pipefail
: "${WINEPREFIX:?the Windows tests run in the prefix of their build folder}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"

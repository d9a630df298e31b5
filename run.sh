#!/usr/bin/env bash
# Installs what is missing, builds the program, prepares its folder and
# starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default -G Ninja >/dev/null
cmake --build --preset default -j"$(nproc)"
program=build/src/vextrel
folder=$(dirname "$program")
# A first run points the program at the bundled sample simulator folder.
if [ ! -f "$folder/Vextrel.INI" ]; then
  printf '%s\r\n\r\n 10 \r\n' "$PWD/data/sample" > "$folder/Vextrel.INI"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Vextrel needs a display. Without one, start it under a virtual display:" >&2
  echo "  xvfb-run -s '-screen 0 1280x1024x24' ./run.sh" >&2
  exit 1
fi
exec "$program"

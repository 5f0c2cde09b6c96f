#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh --wine32

cmake --preset win32 >/dev/null
cmake --build --preset win32
cmake --preset win64 >/dev/null
cmake --build --preset win64

# One X display for the whole run; Wine's server for the test prefix is
# stopped afterwards so nothing outlives the run.
status=0
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  ctest --preset win64 && ctest --preset win32; status=$?
  for prefix in build/win64/wineprefix build/win32/wineprefix; do
    [ -d "$prefix" ] && WINEPREFIX=$PWD/$prefix /usr/lib/wine/wineserver64 -k 2>/dev/null
  done
  exit $status' || status=$?
exit $status

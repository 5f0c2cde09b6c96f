#!/usr/bin/env bash
# Builds the win64 preset and runs the benchmark under Wine.
#   bench/run.sh [N ...] [--repeat R]     (default: 5000 20000, 3 repetitions)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target operations_bench
export TZ=${TZ:-UTC}
tools/wine-run.sh "$PWD/build/win64/wineprefix" wine64 build/win64/operations_bench.exe "$@" |
  iconv -f CP1250 -t UTF-8

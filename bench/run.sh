#!/usr/bin/env bash
# Builds the win64 preset and runs the benchmark under Wine.
#   bench/run.sh [N ...] [--repeat R] [--only LABELS]
#   (default: 5000 and 20000 files, 3 repetitions, every operation)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target operations_bench
export TZ=${TZ:-UTC}
# A prefix of its own, so that tests run meanwhile neither wait for it nor
# share its files.
tools/wine-run.sh "$PWD/build/win64/bench-prefix" wine64 build/win64/operations_bench.exe "$@" |
  iconv -f CP1250 -t UTF-8

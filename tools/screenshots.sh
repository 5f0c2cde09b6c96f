#!/usr/bin/env bash
# Takes the README's pictures of the main window and of a confirmation box,
# on Wine's own desktop (which draws title bars) under Xvfb.
#   tools/screenshots.sh    writes docs/main-window.png, docs/confirmation.png
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Pelmora pelmora_screenshot

work=$root/build/screenshots
rm -rf "$work"
mkdir -p "$work/folder" "$work/markers"
cp build/win64/Pelmora.exe "$work/folder/"
winpath() { printf 'Z:%s' "${1//\//\\}"; }

export WINEPREFIX=$root/build/win64/wineprefix
xvfb-run -a -s "-screen 0 640x400x24" bash -c '
  work=$0
  tools/wine-run.sh "$WINEPREFIX" wine64 explorer /desktop=pelmora,640x400 \
    build/win64/pelmora_screenshot.exe "$1" "$2" &
  for pose in window confirmation; do
    for i in $(seq 600); do [ -e "$work/markers/$pose.ready" ] && break; sleep 0.05; done
    sleep 0.5
    import -window root "$work/$pose.png"
    touch "$work/markers/$pose.taken"
  done
  wait' "$work" "$(winpath "$work/folder/Pelmora.exe")" "$(winpath "$work/markers")"

convert "$work/window.png" -crop 290x242+0+0 +repage docs/main-window.png
convert "$work/confirmation.png" -crop 480x245+0+0 +repage docs/confirmation.png
echo "Wrote docs/main-window.png and docs/confirmation.png"

#!/usr/bin/env bash
# Runs one Windows executable under Wine, as ctest's cross-compiling
# emulator:  wine-run.sh PREFIX LOADER PROGRAM.exe [ARGS...]
# PREFIX is a private Wine prefix (made on first use), LOADER is wine64 for
# the 64-bit build or wine for the 32-bit one. The program's exit code is
# passed on; a missing Wine is an error, never a pass.
set -euo pipefail

prefix=$1 loader=$2
shift 2

case "$loader" in
  wine64) wine=/usr/lib/wine/wine64 ;;
  wine) wine=/usr/lib/wine/wine ;;
  *) echo "wine-run: unknown loader '$loader'" >&2; exit 2 ;;
esac
if [ ! -x "$wine" ]; then
  echo "wine-run: $wine is missing: run tools/install-deps.sh first" >&2
  exit 1
fi

export WINEPREFIX=$prefix WINEDEBUG=-all LC_ALL=pl_PL.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko prompts

# A GUI needs a display: without one, run on a private Xvfb and wait for the
# prefix's server to end before that display goes away.
if [ -z "${DISPLAY:-}" ]; then
  if ! command -v xvfb-run >/dev/null; then
    echo "wine-run: no DISPLAY and no xvfb-run: run tools/install-deps.sh first" >&2
    exit 1
  fi
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
    '"$0" "$@"; rc=$?; /usr/lib/wine/wineserver64 -w; exit $rc' "$0" "$prefix" "$loader" "$@"
fi

# Make the prefix once, under a lock so that parallel tests share it. The
# 64-bit loader makes it in either case: a 64-bit prefix runs 32-bit
# programs too, and 64-bit set-up tools skip the slow 32-bit emulation.
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.pelmora-ready" ]; then
    setup=/usr/lib/wine/wine64
    mkdir -p "$prefix"
    "$setup" wineboot -i >"$prefix.boot.log" 2>&1
    # Unmanaged windows close their boxes without a window manager's delay;
    # a crash ends the program instead of waiting on a dialog.
    "$setup" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$prefix.boot.log" 2>&1
    "$setup" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$prefix.boot.log" 2>&1
    /usr/lib/wine/wineserver64 -w
    touch "$prefix/.pelmora-ready"
  fi
) 9>"$prefix.lock"

# Wine's helper processes outlive the program and keep its standard output
# open: give them files, never the caller's pipe.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
set +e
"$wine" "$@" >"$out" 2>"$err" </dev/null
rc=$?
set -e
cat "$out"
cat "$err" >&2
exit $rc

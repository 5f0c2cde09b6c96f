#!/usr/bin/env bash
# smoke32.sh PREFIX SMOKE.exe PELMORA.exe
# Runs the smoke driver and the shipped 32-bit Pelmora.exe under 32-bit
# Wine. This machine's kernel cannot run 32-bit Linux programs, so 32-bit
# Wine runs through the qemu-i386 emulator, registered here for i386 ELF
# files. Where that cannot be done, the test reports itself skipped (77)
# with the reason; it never passes without running.
set -euo pipefail
prefix=$1 smoke=$2 pelmora=$3
here=$(cd "$(dirname "$0")" && pwd)

skip() { echo "SKIPPED: $*"; exit 77; }

[ -x /usr/lib/wine/wine ] || skip "32-bit Wine is not installed (tools/install-deps.sh --wine32)"
[ -x /usr/bin/qemu-i386-static ] || skip "qemu-user-static is not installed (tools/install-deps.sh --wine32)"

binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
  mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || skip "cannot mount binfmt_misc"
fi
if [ ! -e "$binfmt/qemu-i386" ]; then
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    >"$binfmt/register" 2>/dev/null || skip "cannot register the i386 emulator with binfmt_misc"
fi
[ -e "$binfmt/qemu-i386" ] || skip "the i386 emulator did not register"

winpath() { printf 'Z:%s' "$(realpath "$1" | sed 's|/|\\|g')"; }
folder=$(mktemp -d /tmp/pelmora-smoke.XXXXXX)
trap 'rm -rf "$folder"' EXIT
bash "$here/../../tools/wine-run.sh" "$prefix" wine "$smoke" "$(winpath "$pelmora")" "$(winpath "$folder")"

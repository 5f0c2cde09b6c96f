#!/usr/bin/env bash
# Installs the Debian packages that building and testing Pelmora need, and the
# Polish locale that makes Wine's ANSI code page 1250. Safe to run again: it
# does nothing when everything is already there.
#   install-deps.sh          what the build, the tests and the demo need
#   install-deps.sh --wine32 also 32-bit Wine and the i386 emulator, for the
#                            smoke test of the shipped 32-bit executable
set -euo pipefail

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  cmake ninja-build googletest
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
  wine64 fonts-wine xvfb xauth locales imagemagick python3
)

if [ "${1:-}" = "--wine32" ]; then
  packages+=(wine32:i386 qemu-user-static)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
  echo "Generating the pl_PL.UTF-8 locale"
  as_root sed -i 's/^# *\(pl_PL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^pl_PL.UTF-8 UTF-8' /etc/locale.gen || echo 'pl_PL.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

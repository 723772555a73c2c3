#!/usr/bin/env bash
# Installs what the 32-bit Windows build and its tests under Wine need: the mingw-w64 cross
# compiler, the tools that unpack and build the third-party sources, and Wine with 32-bit support
# (Debian ships the 32-bit Wine only for the i386 architecture, hence multiarch).
# Only what is missing is installed; works as root or through sudo.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  dpkg-dev cmake ninja-build ccache make nasm
  googletest fonts-ipafont-gothic
  wine wine32:i386 xvfb xauth
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-windows-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-windows-deps: adding the i386 architecture for the 32-bit Wine"
  $sudo dpkg --add-architecture i386
fi
echo "install-windows-deps: installing ${missing[*]}"
$sudo apt-get update
# Naming wine32:i386 next to wine satisfies wine's "wine64 | wine32" with the 32-bit loader only:
# the programs under test are all 32-bit, and a 32-bit prefix starts faster than a WoW64 one.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"

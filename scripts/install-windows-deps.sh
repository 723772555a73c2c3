#!/usr/bin/env bash
# Installs what the Windows build and its tests under Wine need:
#   install-windows-deps.sh i686     the 32-bit way: Wine with its 32-bit loader (Debian ships it
#                                    only for the i386 architecture, hence multiarch)
#   install-windows-deps.sh x86_64   the 64-bit way: the x86_64 cross compiler and the 64-bit Wine
#   install-windows-deps.sh cross    no Wine: only what builds and checks the i686 programs
# Both ways get the i686 cross compiler (the program ships as a 32-bit .exe) and the tools that
# unpack, build and check the third-party sources. Only what is missing is installed; works as
# root or through sudo.
set -euo pipefail

way="${1:-i686}"
packages=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  dpkg-dev cmake ninja-build ccache make nasm file
  googletest fonts-ipafont-gothic xvfb xauth
)
case "$way" in
  # Naming wine32:i386 next to wine satisfies wine's "wine64 | wine32" with the 32-bit loader
  # only: the programs under test are all 32-bit, and a 32-bit prefix starts faster than WoW64.
  i686) packages+=(wine wine32:i386) ;;
  x86_64) packages+=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64) ;;
  cross) ;;
  *) echo "install-windows-deps: unknown way '$way' (i686, x86_64 or cross)" >&2; exit 2 ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-windows-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
if [ "$way" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-windows-deps: adding the i386 architecture for the 32-bit Wine"
  $sudo dpkg --add-architecture i386
fi
echo "install-windows-deps: installing ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"

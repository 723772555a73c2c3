#!/usr/bin/env bash
# Installs what the Windows build and its tests under Wine need:
#   install-windows-deps.sh i686     the 32-bit way: Wine with its 32-bit loader (Debian ships it
#                                    only for the i386 architecture, hence multiarch)
#   install-windows-deps.sh x86_64   the 64-bit way: the x86_64 cross compiler and the 64-bit Wine
#   install-windows-deps.sh cross    no Wine: only what builds, checks and packs the i686 programs
# Every way gets the i686 cross compiler (the program ships as a 32-bit .exe), the tools that
# unpack, build and check the third-party sources, and NSIS, which makes the setup program. Only
# what is missing is installed (scripts/apt-install.sh); when the 32-bit Wine cannot be had, the
# i386 architecture is taken away again and the exit status is 1, so that the caller can take the
# 64-bit way.
set -euo pipefail
apt_install="$(dirname "$0")/apt-install.sh"

way="${1:-i686}"
cross=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  dpkg-dev cmake ninja-build ccache make nasm file nsis
  googletest fonts-ipafont-gothic xvfb xauth
)
case "$way" in
  # Naming wine32:i386 next to wine satisfies wine's "wine64 | wine32" with the 32-bit loader
  # only: the programs under test are all 32-bit, and a 32-bit prefix starts faster than WoW64.
  # A separate step, so that a 32-bit Wine that cannot be had leaves the rest installed.
  i686) "$apt_install" "${cross[@]}" && "$apt_install" --arch i386 wine wine32:i386 ;;
  x86_64) "$apt_install" "${cross[@]}" g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 ;;
  cross) "$apt_install" "${cross[@]}" ;;
  *) echo "install-windows-deps: unknown way '$way' (i686, x86_64 or cross)" >&2; exit 2 ;;
esac

#!/usr/bin/env bash
# make test-windows: cross-builds the Windows programs and runs every Windows test under Wine.
#
# The program ships for 32-bit Windows (i686). Where this machine can run the 32-bit Wine, the
# i686 build and all its tests run under it. Where it cannot (the kernel refuses 32-bit
# programs, or the 32-bit Wine cannot be installed or does not start: scripts/wine-way.sh
# decides), the i686 programs are still built and checked, and the very same tests are built for
# x86_64 and run under the 64-bit Wine. The first line says which way was taken and why.
# POTERINKO_WINDOWS_TESTS=x86_64 (or i686) forces a way; a forced i686 way that cannot be had
# fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts=./scripts

choice="$("$scripts/wine-way.sh" --install)"
way="${choice%% *}"
why="${choice#* }"
if [ "$way" = i686 ]; then
  echo "test-windows: the i686 programs and all their tests under the 32-bit Wine ($why)"
else
  echo "test-windows: the i686 programs built and checked; the same tests built for x86_64 under the 64-bit Wine ($why)"
fi

"$scripts/build-windows-programs.sh"
if [ "$way" = i686 ]; then
  cmake --build --preset windows
  POTERINKO_WINE_ARCH=i686 xvfb-run -a "$scripts/wine-ctest.sh" -j2
  exit
fi

"$scripts/install-windows-deps.sh" x86_64
"$scripts/build-windows-deps.sh" x86_64
[ -f build/windows64/build.ninja ] || cmake --preset windows64
cmake --build --preset windows64
POTERINKO_WINE_ARCH=x86_64 xvfb-run -a "$scripts/wine-ctest.sh" -j2

#!/usr/bin/env bash
# make test-windows: cross-builds the Windows programs and runs every Windows test under Wine.
#
# The program ships for 32-bit Windows (i686). Where this machine runs 32-bit x86 code, the i686
# build and all its tests run under the 32-bit Wine. Where the kernel refuses 32-bit programs
# (the 32-bit Wine loader fails with "Exec format error") and Debian's 64-bit Wine cannot run a
# 32-bit Windows program either (it hands those to the 32-bit loader), the i686 programs are
# still built and checked, and the very same tests are built for x86_64 and run under the 64-bit
# Wine. POTERINKO_WINDOWS_TESTS=x86_64 (or i686) forces a way on any machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts=./scripts

case "${POTERINKO_WINDOWS_TESTS:-}" in
  x86_64 | i686)
    way="$POTERINKO_WINDOWS_TESTS"
    why="forced by POTERINKO_WINDOWS_TESTS=$way"
    ;;
  "")
    mkdir -p build
    if TMPDIR="$root/build" "$scripts/runs-32-bit-x86.sh"; then
      way=i686
      why="this machine runs 32-bit x86 programs"
    else
      way=x86_64
      why="this machine refuses 32-bit x86 programs (Exec format error), so no 32-bit Wine"
    fi
    ;;
  *)
    echo "test-windows: POTERINKO_WINDOWS_TESTS must be i686 or x86_64, not '$POTERINKO_WINDOWS_TESTS'" >&2
    exit 2
    ;;
esac
if [ "$way" = i686 ]; then
  echo "test-windows: the i686 programs and all their tests under the 32-bit Wine ($why)"
else
  echo "test-windows: the i686 programs built and checked; the same tests built for x86_64 under the 64-bit Wine ($why)"
fi

"$scripts/install-windows-deps.sh" "$way"
"$scripts/build-windows-deps.sh" i686
[ -f build/windows/build.ninja ] || cmake --preset windows
if [ "$way" = i686 ]; then
  cmake --build --preset windows
  POTERINKO_WINE_ARCH=i686 xvfb-run -a "$scripts/wine-ctest.sh" -j2
  exit
fi

cmake --build --preset windows --target poterinko poterinko-gallery
"$scripts/check-windows-programs.sh" build/windows
"$scripts/build-windows-deps.sh" x86_64
[ -f build/windows64/build.ninja ] || cmake --preset windows64
cmake --build --preset windows64
POTERINKO_WINE_ARCH=x86_64 xvfb-run -a "$scripts/wine-ctest.sh" -j2

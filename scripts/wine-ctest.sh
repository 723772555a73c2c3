#!/usr/bin/env bash
# Runs ctest for the Windows preset of POTERINKO_WINE_ARCH (i686: windows, x86_64: windows64;
# arguments are passed on) inside one warm Wine session.
# Wine starts its helper processes (services.exe and friends) from the first program of a session,
# and they inherit that program's output: ctest would wait for that test until the session ends.
# Starting the session here, with the helpers' output on /dev/null, keeps every test independent
# and spares each one the start-up of the session. Run it under xvfb-run for GUI tests.
set -euo pipefail
here="$(dirname "$0")"
source "$here/wine-env.sh"
preset=windows
[ "$POTERINKO_WINE_ARCH" = x86_64 ] && preset=windows64
"$here/wine-prefix.sh"
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
"$wine_loader" wineboot </dev/null >/dev/null 2>&1
cd "$poterinko_root"
ctest --preset "$preset" "$@"

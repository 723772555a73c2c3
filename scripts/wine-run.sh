#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine in the project's prefix for its architecture:
#   wine-run.sh ARCH PROGRAM [ARGUMENTS...]     (ARCH: i686 or x86_64)
# CMake's CMAKE_CROSSCOMPILING_EMULATOR for the windows presets (test discovery and ctest).
set -euo pipefail
here="$(dirname "$0")"
export POTERINKO_WINE_ARCH="$1"
shift
source "$here/wine-env.sh"
"$here/wine-prefix.sh"
exec "$wine_loader" "$@"

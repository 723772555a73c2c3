#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine in the project's prefix; CMake's
# CMAKE_CROSSCOMPILING_EMULATOR for the windows preset (test discovery and ctest).
set -euo pipefail
here="$(dirname "$0")"
source "$here/wine-env.sh"
"$here/wine-prefix.sh"
exec wine "$@"

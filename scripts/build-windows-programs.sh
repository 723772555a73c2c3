#!/usr/bin/env bash
# Cross-builds the two shipped Windows programs, poterinko.exe and poterinko-gallery.exe (i686,
# build/windows), and checks them: what `make test-windows` and `make package-windows` both
# start with. Incremental: the third-party libraries are built once, the programs by Ninja.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-windows-deps.sh cross
./scripts/build-windows-deps.sh i686
[ -f build/windows/build.ninja ] || cmake --preset windows
cmake --build --preset windows --target poterinko poterinko-gallery
./scripts/check-windows-programs.sh build/windows

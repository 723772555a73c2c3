#!/usr/bin/env bash
# The Linux programs for 64-bit ARM (aarch64), cross-built with Debian's aarch64-linux-gnu compiler
# against Debian's arm64 libraries installed beside the machine's own (multiarch), in build/arm64:
#   arm64.sh test      builds everything and runs every Linux test under qemu-user's emulator,
#                      started directly (nothing is registered with the kernel)
#   arm64.sh package   builds build/arm64/poterinko_<version>_arm64.deb
# When the arm64 packages cannot be installed from the package index now, it says so on one line
# that starts with "arm64: cannot install:" and exits with status 75, having built nothing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

case "${1:-}" in
  test | package) ;;
  *) echo "arm64: usage: arm64.sh test|package" >&2; exit 2 ;;
esac

packages=(
  g++-aarch64-linux-gnu qemu-user pkgconf:arm64
  libgtest-dev:arm64 libgmock-dev:arm64
  libjpeg62-turbo-dev:arm64 libpng-dev:arm64 libfreetype-dev:arm64 libfontconfig-dev:arm64
  libgtk-3-dev:arm64 libxtst-dev:arm64
)
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
if ! ./scripts/apt-install.sh --arch arm64 "${packages[@]}" 2>"$errors"; then
  cat "$errors" >&2
  reason=$(sed -n 's/^apt-install: cannot install //p' "$errors" | paste -sd ';' -)
  echo "arm64: cannot install: ${reason:-the arm64 packages (see above)}" >&2
  exit 75
fi
cat "$errors" >&2

[ -f build/arm64/build.ninja ] || cmake --preset arm64
if [ "$1" = package ]; then
  cmake --build --preset arm64 --target package
else
  cmake --build --preset arm64
  ctest --preset arm64 -j2
fi

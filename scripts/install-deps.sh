#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the board need:
#   install-deps.sh        the Linux build, its tests and benchmarks
#   install-deps.sh fuzz   and the fuzz build's compiler (clang with its sanitizer runtimes)
# Only what is missing is installed (scripts/apt-install.sh); works as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev libjpeg-turbo-progs libpng-dev
  libfreetype-dev libfontconfig-dev fonts-ipafont-gothic
  libgtk-3-dev libxtst-dev xvfb xauth xdg-utils xdotool x11-utils imagemagick
  dpkg-dev lintian desktop-file-utils appstream
  python3
)
case "${1:-}" in
  "") ;;
  # Debian 12's clang is clang 14; its sanitizer and fuzzer runtimes come apart from it.
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
  *) echo "install-deps: unknown group '$1' (fuzz)" >&2; exit 2 ;;
esac
exec "$(dirname "$0")/apt-install.sh" "${packages[@]}"

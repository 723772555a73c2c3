#!/usr/bin/env bash
# Chooses how this machine runs the Windows programs and prints the choice as one line, the way
# and then the reason:
#   i686 REASON     the 32-bit programs themselves under the 32-bit Wine
#   x86_64 REASON   the 64-bit way: the i686 programs are built and checked, and the very same
#                   tests, built for x86_64, run under the 64-bit Wine
# Every script that runs Windows programs under Wine decides through this one:
#   wine-way.sh             from what is installed (tests: they install nothing)
#   wine-way.sh --install   first installs what the 32-bit way needs, where it can
# The 32-bit way needs a kernel that runs 32-bit x86 programs, Debian's 32-bit Wine (from the
# i386 architecture, whose indexes a mirror in the middle of a sync may not serve) and that Wine
# starting. Where one of them is missing the 64-bit way is taken, and the reason says why.
# POTERINKO_WINDOWS_TESTS=i686 or x86_64 forces a way: a forced i686 that cannot be had fails
# (exit 1) instead of falling back. Everything but the choice goes to stderr.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec 3>&1 1>&2

install=0
case "${1:-}" in
  --install) install=1 ;;
  "") ;;
  *) echo "wine-way: unknown option '$1' (--install)"; exit 2 ;;
esac
forced="${POTERINKO_WINDOWS_TESTS:-}"
case "$forced" in
  "" | i686 | x86_64) ;;
  *) echo "wine-way: POTERINKO_WINDOWS_TESTS must be i686 or x86_64, not '$forced'"; exit 2 ;;
esac

choose() { echo "$1 $2" >&3; exit 0; }
no_32_bit() {
  [ "$forced" = i686 ] && { echo "wine-way: forced i686, but $1"; exit 1; }
  choose x86_64 "$1"
}

[ "$forced" = x86_64 ] && choose x86_64 "forced by POTERINKO_WINDOWS_TESTS=x86_64"
mkdir -p "$here/../build"
TMPDIR="$here/../build" "$here/runs-32-bit-x86.sh" ||
  no_32_bit "this machine refuses 32-bit x86 programs (Exec format error), so no 32-bit Wine"

if [ $install -eq 1 ]; then
  log="$(mktemp)"
  trap 'rm -f "$log"' EXIT
  if ! "$here/install-windows-deps.sh" i686 2>&1 | tee "$log"; then
    why="$(sed -n 's/^apt-install: cannot install //p' "$log" | head -n 1)"
    no_32_bit "the 32-bit Wine cannot be installed (${why:-see the messages above})"
  fi
fi
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed" ||
  no_32_bit "the 32-bit Wine (wine32:i386) is not installed"
# Making the prefix starts the 32-bit loader and Wine's own programs: that is the test that it runs.
if ! POTERINKO_WINE_ARCH=i686 "$here/wine-prefix.sh"; then
  no_32_bit "the 32-bit Wine is installed but does not start"
fi
choose i686 "this machine runs 32-bit x86 programs and the 32-bit Wine"

#!/usr/bin/env bash
# Prints THIRD_PARTY_LICENSES: the licence of every third-party library built into the programs,
# each as Debian ships it (/usr/share/doc/PACKAGE/copyright). Run it after a library or the
# compiler changes: `scripts/third-party-licenses.sh > THIRD_PARTY_LICENSES`.
# Exits 3 (printing nothing) when a copyright file is missing on this machine.
set -euo pipefail

# Library, what it does here, Debian package whose copyright file holds its licence.
libraries=(
  "libjpeg-turbo|JPEG reading and writing|libjpeg62-turbo"
  "FreeType|font rendering|libfreetype6"
  "zlib|compression, inside PNG and FreeType|zlib1g"
  "libpng|PNG reading and writing|libpng16-16"
  "mingw-w64 runtime and winpthreads|C runtime start-up and threads of the Windows programs|mingw-w64-common"
  "GCC runtime libraries (libgcc, libstdc++)|C++ standard library of the Windows programs|gcc-mingw-w64-i686-posix-runtime"
)

for entry in "${libraries[@]}"; do
  IFS='|' read -r _ _ package <<<"$entry"
  [ -f "/usr/share/doc/$package/copyright" ] ||
    { echo "third-party-licenses: /usr/share/doc/$package/copyright is missing" >&2; exit 3; }
done

rule=$(printf '=%.0s' {1..78})
cat <<'HEAD'
Third-party software in poterinko
=================================

The Windows programs poterinko.exe and poterinko-gallery.exe contain the libraries below, linked
statically. The Linux programs use libjpeg-turbo, FreeType, zlib and libpng as shared libraries
of the system instead. Each section reproduces the library's copyright and licence file as
Debian ships it, from the package named in its heading.
HEAD
for entry in "${libraries[@]}"; do
  IFS='|' read -r name role package <<<"$entry"
  printf '\n%s\n%s (%s)\nDebian package %s: /usr/share/doc/%s/copyright\n%s\n\n' \
    "$rule" "$name" "$role" "$package" "$package" "$rule"
  cat "/usr/share/doc/$package/copyright"
done

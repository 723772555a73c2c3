#!/usr/bin/env bash
# Builds the third-party libraries of the Windows program from Debian's source packages, as
# static libraries for mingw-w64, into build/windows-deps/ARCH/prefix (ARCH: i686, the default,
# or x86_64 for the tests under the 64-bit Wine):
#   zlib, libpng1.6, freetype, libjpeg-turbo (libjpeg's API, as on Linux) and GoogleTest with
#   GoogleMock (from the googletest package's sources in /usr/src/googletest).
# Sources come from the same Debian archive the machine installs from (scripts/debian-source.sh,
# which leaves the machine's apt set-up as it was); nothing prebuilt is downloaded, and nothing
# of it is committed. The sources are unpacked once for both architectures. Each library that is
# built leaves a stamp file, so a second run does nothing.
set -euo pipefail

arch="${1:-i686}"
case "$arch" in
  i686 | x86_64) ;;
  *) echo "build-windows-deps: unknown architecture '$arch' (i686 or x86_64)" >&2; exit 2 ;;
esac
root="$(cd "$(dirname "$0")/.." && pwd)"
deps="${POTERINKO_WINDOWS_DEPS_DIR:-$root/build/windows-deps}"
src="$deps/src"
work="$deps/$arch/build"
prefix="$deps/$arch/prefix"
stamps="$deps/$arch/stamps"
toolchain="$root/cmake/toolchain-$arch-w64-mingw32.cmake"
host=$arch-w64-mingw32
jobs="${JOBS:-2}"

log() { echo "build-windows-deps ($arch): $*"; }

# Unpacks Debian's source package NAME into $src/NAME.
fetch_source() { "$root/scripts/debian-source.sh" "$1" "$src/$1"; }

# Configures, builds and installs a CMake project for Windows into the prefix.
cmake_install() {
  local name="$1" dir="$2"
  shift 2
  rm -rf "$work/$name"
  cmake -S "$dir" -B "$work/$name" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DPOTERINKO_WINDOWS_DEPS="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=OFF \
    "$@"
  cmake --build "$work/$name" -j "$jobs"
  cmake --install "$work/$name"
}

build_zlib() {
  fetch_source zlib
  rm -rf "$work/zlib"
  cp -a "$src/zlib" "$work/zlib"
  # zlib's configure knows MinGW from CHOST and, with --static, builds the static libz.a alone
  # (its CMake file would build and install a DLL as well).
  (cd "$work/zlib" && CHOST="$host" CFLAGS="-O2" ./configure --static --prefix="$prefix")
  make -C "$work/zlib" -j "$jobs" libz.a
  make -C "$work/zlib" install
}

build_libpng() {
  fetch_source libpng1.6
  cmake_install libpng "$src/libpng1.6" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_ROOT="$prefix"
}

build_freetype() {
  fetch_source freetype
  # zlib: FreeType's own copy (compressed PCF fonts only), so that users of the static library
  # need no extra link item; the optional codecs and shapers are not wanted for the glyph source.
  cmake_install freetype "$src/freetype" \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
    -DFT_DISABLE_ZLIB=OFF -DCMAKE_DISABLE_FIND_PACKAGE_ZLIB=ON
}

build_libjpeg() {
  fetch_source libjpeg-turbo
  # SIMD on (nasm): the same code paths as Debian's Linux library, and fast saving.
  cmake_install libjpeg-turbo "$src/libjpeg-turbo" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
    -DREQUIRE_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm
  install_internal_header
}

# libjpeg's internal interface, as Debian's Linux package installs it too: the JPEG reader
# reaches the inverse DCT through it, to transform only the blocks a picture keeps.
install_internal_header() { cp "$src/libjpeg-turbo/jpegint.h" "$prefix/include/"; }

build_googletest() {
  [ -d /usr/src/googletest ] || { echo "build-windows-deps: /usr/src/googletest missing (package googletest)" >&2; exit 1; }
  cmake_install googletest /usr/src/googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
}

step() {
  local name="$1"
  if [ -f "$stamps/$name" ]; then return 0; fi
  log "building $name"
  "build_$name"
  touch "$stamps/$name"
}

mkdir -p "$src" "$work" "$prefix" "$stamps"

step zlib
step libpng
step freetype
step libjpeg
# (Prefixes built before the header was installed with the library.)
[ -f "$prefix/include/jpegint.h" ] || install_internal_header
step googletest

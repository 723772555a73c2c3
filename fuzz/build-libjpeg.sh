#!/usr/bin/env bash
# Builds libjpeg-turbo from Debian's source package with the fuzzers' coverage feedback and
# sanitizers, as a static library in DEPS_DIR/prefix (default build/fuzz-deps), so that the JPEG
# fuzzer sees into the decoder and not only into our code around it. The SIMD code is left
# out: it is assembly that neither the sanitizers nor the coverage feedback can see into.
# The source comes from Debian's source package (scripts/debian-source.sh).
#   fuzz/build-libjpeg.sh [DEPS_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
deps="$(realpath -m "${1:-build/fuzz-deps}")"
prefix="$deps/prefix"
flags="-g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined"
# Built again when the flags or the compiler wrapper change.
recipe="$flags $(sha1sum <fuzz/libjpeg-cc.sh)"
[ -f "$prefix/lib/libjpeg.a" ] && [ "$(cat "$prefix/recipe" 2>/dev/null)" = "$recipe" ] && exit 0

src="$deps/src/libjpeg-turbo"
./scripts/debian-source.sh libjpeg-turbo "$src"

rm -rf "$deps/build"
cmake -S "$src" -B "$deps/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER="$PWD/fuzz/libjpeg-cc.sh" -DCMAKE_C_FLAGS="$flags" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
  -DWITH_TURBOJPEG=OFF -DWITH_ARITH_DEC=ON -DWITH_ARITH_ENC=ON -DWITH_JPEG8=OFF
cmake --build "$deps/build" -j"${JOBS:-2}" --target jpeg-static
mkdir -p "$prefix/lib" "$prefix/include"
cp "$src"/{jpeglib.h,jerror.h,jmorecfg.h,jpegint.h} "$deps/build/jconfig.h" "$prefix/include/"
cp "$deps/build/libjpeg.a" "$prefix/lib/"
echo "$recipe" >"$prefix/recipe"

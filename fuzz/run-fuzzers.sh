#!/usr/bin/env bash
# Builds the fuzz targets with the `fuzz` preset (nothing else), writes their seed files and
# runs each in turn for a while (default 180 s), one process at a time.
#   fuzz/run-fuzzers.sh [SECONDS] [BUILD_DIR] ["TARGET ..."]   (targets: bmp jpeg form)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-180}
build=${2:-build/fuzz}
read -r -a targets <<<"${3:-bmp jpeg form}"
# libjpeg with coverage feedback, found by the preset's JPEG_ROOT; the system's otherwise.
fuzz/build-libjpeg.sh || echo "run-fuzzers: the JPEG fuzzer runs on the system's libjpeg" >&2
[ -f "$build/build.ninja" ] || cmake --preset fuzz -B "$build"
cmake --build "$build" -j"${JOBS:-2}" --target fuzzers

work="$build/fuzz-work"
for target in bmp jpeg form; do mkdir -p "$work/$target" "$work/$target-seeds"; done
"$build/fuzz/poterinko-fuzz-seeds" "$work/bmp-seeds" "$work/jpeg-seeds"
# The forms the program itself reads, with roots the gallery can build.
for layout in app/MainWindow1.layout tools/gallery/Gallery.layout; do
  sed '1s/: *T[A-Za-z0-9]*$/: TForm/' "$layout" >"$work/form-seeds/$(basename "$layout")"
done

# Memory: a picture file may cost what it could plausibly hold (the JPEG reader refuses
# multi-scan images whose coefficient buffers its bytes could never fill), so the limits
# stay well below what a picture of the largest accepted size would need. A form may hold a
# back buffer of 8192 x 8192 (256 MB), and the form target is resident with 400-450 MB once
# its corpus is read (the sanitizer's quarantine among it): it gets room for one such buffer.
for target in "${targets[@]}"; do
  max_len=4096 rss=512
  [ "$target" = form ] && max_len=32768 rss=1024
  echo "== $target reader, $seconds s"
  "$build/fuzz/fuzz_${target}_reader" "$work/$target" "$work/$target-seeds" \
    -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb="$rss" \
    -malloc_limit_mb=512 -timeout=10 -artifact_prefix="$work/$target-" -print_final_stats=1 ||
    status=1
done
exit ${status:-0}

#!/usr/bin/env bash
# Builds the picture-reader fuzzers with the `fuzz` preset, writes their seed files and runs
# each for a while (default 180 s).
#   fuzz/run-fuzzers.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-180}
build=${2:-build/fuzz}
[ -f "$build/build.ninja" ] || cmake --preset fuzz -B "$build"
cmake --build "$build" -j2 --target fuzz_bmp_reader fuzz_jpeg_reader poterinko-fuzz-seeds

work="$build/fuzz-work"
mkdir -p "$work/bmp" "$work/jpeg" "$work/bmp-seeds" "$work/jpeg-seeds"
"$build/fuzz/poterinko-fuzz-seeds" "$work/bmp-seeds" "$work/jpeg-seeds"
for reader in bmp jpeg; do
  echo "== $reader reader, $seconds s"
  "$build/fuzz/fuzz_${reader}_reader" "$work/$reader" "$work/$reader-seeds" \
    -max_total_time="$seconds" -rss_limit_mb=512 -malloc_limit_mb=512 -timeout=10 \
    -artifact_prefix="$work/$reader-" -print_final_stats=1 || status=1
done
exit ${status:-0}

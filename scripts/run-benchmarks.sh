#!/usr/bin/env bash
# Runs every benchmark program of a build folder, one after the other.
set -euo pipefail
build=${1:-build/default}
status=0
for program in $(find "$build/bench" -maxdepth 2 -type f -executable -name '*_bench' | sort); do
  echo "== $program"
  "$program" --benchmark_min_time=0.2 || status=1
done
[ -x "$build/bench/codecs/codecs_thirty_photos" ] && "$build/bench/codecs/codecs_thirty_photos"
echo "== whole processes against their yardsticks"
"$(dirname "$0")/../bench/processes/compare.sh" "$build" || status=1
"$(dirname "$0")/../bench/processes/startup.sh" "$build" || status=1
exit $status

#!/usr/bin/env bash
# Runs every benchmark program of a build folder, one after the other, then the whole-process
# comparisons. One program that fails does not stop the others; the exit status says whether all
# of them passed.
set -uo pipefail
build="${1:-build/default}"
here="$(dirname "$0")"
status=0
while IFS= read -r -d '' program; do
  echo "== $program"
  "$program" --benchmark_min_time=0.2 || status=1
done < <(find "$build/bench" -maxdepth 2 -type f -executable -name '*_bench' -print0 | sort -z)
if [ -x "$build/bench/codecs/codecs_thirty_photos" ]; then
  "$build/bench/codecs/codecs_thirty_photos" || status=1
fi
echo "== whole processes against their yardsticks"
"$here/../bench/processes/compare.sh" "$build" || status=1
"$here/../bench/processes/startup.sh" "$build" || status=1
exit $status

#!/usr/bin/env bash
# Whole-process comparisons, as a user pays: start-up, page faults and all. Each measurement
# runs the programs side by side, interleaved, RUNS times, and takes medians:
#   drop   the scenario driver dropping a 6000 x 4000 JPEG, less the same run without the drop,
#          against `djpeg -scale 1/8` of the same file
#   save   the driver saving the board (Ctrl+S), less the same run without it, against
#          `cjpeg -quality 80 -dct float -baseline` of the same pixels followed by an fsync
#   thirty the driver with a 24-megapixel photo in each of the thirty cells: peak resident size,
#          against the empty board's
# Page faults come from `perf stat` where the kernel allows it, else from /usr/bin/time.
#   compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build="${1:-build/default}"
runs="${2:-11}"
driver="$build/tools/scenario/poterinko-scenario"
[ -x "$driver" ] || { echo "compare: $driver not built" >&2; exit 1; }
for tool in djpeg cjpeg /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "compare: $tool missing" >&2; exit 1; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$build/bench/codecs/codecs_thirty_photos" --make-photo
photo="${TMPDIR:-/tmp}/poterinko-bench-6000x4000.jpg"

use_perf=0
perf stat -x, -e page-faults -o /dev/null true 2>/dev/null && use_perf=1

# run NAME COMMAND...: runs once; appends "milliseconds faults peak_kb" to $work/NAME.
run() {
  local name="$1" start end faults peak
  shift
  start=$(date +%s%N)
  if [ $use_perf -eq 1 ]; then
    /usr/bin/time -f "%M" -o "$work/time" perf stat -x, -e page-faults -o "$work/perf" "$@" >/dev/null
    faults=$(sed -n 's/^\([0-9]*\),.*page-faults.*/\1/p' "$work/perf")
  else
    /usr/bin/time -f "%R %M" -o "$work/time" "$@" >/dev/null
    faults=$(cut -d' ' -f1 "$work/time")
  fi
  end=$(date +%s%N)
  peak=$(tail -n 1 "$work/time" | awk '{print $NF}')
  echo "$(((end - start) / 1000)) $faults $peak" >>"$work/$name"
}

median() {  # column N of file: the median
  sort -n -k "$2" "$1" | awk -v c="$2" '{v[NR] = $c} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

# Scripts for the driver: the board with nothing, with one drop, with a save, with thirty photos.
echo close >"$work/empty.script"
printf 'move 111 97\ndrop 111 97 %s\nclose\n' "$photo" >"$work/drop.script"
printf 'answer save %s\nanswer confirm yes\nkey ctrl+s\nclose\n' "$work/board.jpg" >"$work/save.script"
: >"$work/thirty.script"
for column in 0 1 2 3 4; do
  for row in 0 1 2 3 4 5; do
    x=$((51 + column * 120 + 60)) y=$((52 + row * 90 + 45))
    printf 'move %d %d\ndrop %d %d %s\n' $x $y $x $y "$photo" >>"$work/thirty.script"
  done
done
echo close >>"$work/thirty.script"
# The board's own pixels for cjpeg.
printf 'shot %s\nclose\n' "$work/board.png" | "$driver" >/dev/null
convert "$work/board.png" "$work/board.ppm"

save_yardstick() {
  cjpeg -quality 80 -dct float -baseline -outfile "$work/yard.jpg" "$work/board.ppm"
  sync "$work/yard.jpg"  # fsync of the one file, as the board's save does
}
export -f save_yardstick
export work

for ((i = 0; i < runs; i++)); do
  run empty "$driver" "$work/empty.script"
  run drop "$driver" "$work/drop.script"
  run djpeg djpeg -scale 1/8 -outfile /dev/null "$photo"
  run save "$driver" "$work/save.script"
  run cjpeg bash -c save_yardstick
  run thirty "$driver" "$work/thirty.script"
done
run bash bash -c true  # what the yardstick's own shell costs, taken off below
for ((i = 1; i < runs; i++)); do run bash bash -c true; done

ms() { awk -v us="$(median "$work/$1" 1)" 'BEGIN {printf "%.2f", us / 1000}'; }
pf() { median "$work/$1" 2; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

echo "whole processes, medians of $runs interleaved runs; page faults by $([ $use_perf -eq 1 ] && echo 'perf stat' || echo /usr/bin/time)"
drop_ms=$(awk -v a="$(ms drop)" -v b="$(ms empty)" 'BEGIN {printf "%.2f", a - b}')
drop_pf=$(($(pf drop) - $(pf empty)))
echo "drop of a 6000x4000 JPEG: ${drop_ms} ms, +${drop_pf} page faults;" \
  "djpeg -scale 1/8: $(ms djpeg) ms, $(pf djpeg) page faults; ratio $(ratio "$drop_ms" "$(ms djpeg)")"
save_ms=$(awk -v a="$(ms save)" -v b="$(ms empty)" 'BEGIN {printf "%.2f", a - b}')
save_pf=$(($(pf save) - $(pf empty)))
yard_ms=$(awk -v a="$(ms cjpeg)" -v b="$(ms bash)" 'BEGIN {printf "%.2f", a - b}')
yard_pf=$(($(pf cjpeg) - $(pf bash)))
echo "save of the board: ${save_ms} ms, +${save_pf} page faults;" \
  "cjpeg + fsync: ${yard_ms} ms, ${yard_pf} page faults; ratio $(ratio "$save_ms" "$yard_ms")"
empty_kb=$(median "$work/empty" 3)
thirty_kb=$(median "$work/thirty" 3)
echo "thirty 24 MP photos: peak RSS $((thirty_kb / 1024)) MB; the empty board $((empty_kb / 1024)) MB;" \
  "+$(((thirty_kb - empty_kb) / 1024)) MB (goal: at most +8 MB)"

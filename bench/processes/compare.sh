#!/usr/bin/env bash
# Whole-process comparisons, as a user pays: start-up, page faults and all. Each measurement
# runs the programs side by side, interleaved, RUNS times, and takes medians:
#   drop   the scenario driver dropping a 6000 x 4000 JPEG, less the same run without the drop,
#          against `djpeg` of the same file at its own size (the reader's DCT, output discarded)
#          and `djpeg -scale 1/8`; the same for a 4032 x 3024 phone photo stored sideways
#          (Exif orientation 6)
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
phone="${TMPDIR:-/tmp}/poterinko-bench-4032x3024-turned.jpg"

# shellcheck source=bench/processes/measure.sh
source "$(dirname "$0")/measure.sh"

# Scripts for the driver: the board with nothing, with one drop, with a save, with thirty photos.
echo close >"$work/empty.script"
printf 'move 111 97\ndrop 111 97 %s\nclose\n' "$photo" >"$work/drop.script"
printf 'move 111 97\ndrop 111 97 %s\nclose\n' "$phone" >"$work/phone.script"
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
  run djpeg_full djpeg -dct int -outfile /dev/null "$photo"
  run phone "$driver" "$work/phone.script"
  run phone_djpeg djpeg -scale 1/8 -outfile /dev/null "$phone"
  run phone_djpeg_full djpeg -dct int -outfile /dev/null "$phone"
  run save "$driver" "$work/save.script"
  run cjpeg bash -c save_yardstick
  run thirty "$driver" "$work/thirty.script"
done
run bash bash -c true  # what the yardstick's own shell costs, taken off below
for ((i = 1; i < runs; i++)); do run bash bash -c true; done

echo "whole processes, medians of $runs interleaved runs; page faults by $(faults_by)"
# drop_line NAME WHAT DJPEG: the drop less the empty board, against djpeg at full size and 1/8.
drop_line() {
  local drop_ms drop_pf
  drop_ms=$(awk -v a="$(ms "$1")" -v b="$(ms empty)" 'BEGIN {printf "%.2f", a - b}')
  drop_pf=$(($(pf "$1") - $(pf empty)))
  echo "drop of $2: ${drop_ms} ms, +${drop_pf} page faults;" \
    "djpeg full size: $(ms "$3_full") ms, $(pf "$3_full") page faults, ratio $(ratio "$drop_ms" "$(ms "$3_full")");" \
    "djpeg -scale 1/8: $(ms "$3") ms, $(pf "$3") page faults, ratio $(ratio "$drop_ms" "$(ms "$3")")"
}
drop_line drop "a 6000x4000 JPEG" djpeg
drop_line phone "a 4032x3024 phone JPEG, Exif orientation 6" phone_djpeg
save_ms=$(awk -v a="$(ms save)" -v b="$(ms empty)" 'BEGIN {printf "%.2f", a - b}')
save_pf=$(($(pf save) - $(pf empty)))
yard_ms=$(awk -v a="$(ms cjpeg)" -v b="$(ms bash)" 'BEGIN {printf "%.2f", a - b}')
yard_pf=$(($(pf cjpeg) - $(pf bash)))
echo "save of the board: ${save_ms} ms, +${save_pf} page faults;" \
  "cjpeg + fsync: ${yard_ms} ms, ${yard_pf} page faults; ratio $(ratio "$save_ms" "$yard_ms")"
empty_kb=$(median "$work/empty" 3)
thirty_kb=$(median "$work/thirty" 3)
mb() { awk -v kb="$1" 'BEGIN {printf "%.1f", kb / 1024}'; }
echo "thirty 24 MP photos: peak RSS $(mb "$thirty_kb") MB; the empty board $(mb "$empty_kb") MB;" \
  "+$(mb $((thirty_kb - empty_kb))) MB (goal: at most +8 MB)"

# shellcheck shell=bash disable=SC2154
# Shared by the whole-process comparisons: sourced, not run. The caller sets $work, a folder the
# measurements are written to.

use_perf=0
perf stat -x, -e page-faults -o /dev/null true 2>/dev/null && use_perf=1

# run NAME COMMAND...: runs once; appends "microseconds faults peak_kb" to $work/NAME.
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

ms() { awk -v us="$(median "$work/$1" 1)" 'BEGIN {printf "%.2f", us / 1000}'; }
pf() { median "$work/$1" 2; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
faults_by() { [ $use_perf -eq 1 ] && echo 'perf stat' || echo /usr/bin/time; }

# shellcheck shell=bash disable=SC2154
# Shared by the whole-process comparisons: sourced, not run. The caller sets $work, a folder the
# measurements are written to.

use_perf=0
perf stat -x, -e page-faults -o /dev/null true 2>/dev/null && use_perf=1

perf_faults() {  # COMMAND...: the page faults perf counts for it
  perf stat -x, -e page-faults -o "$work/perf" "$@" >/dev/null
  sed -n 's/^\([0-9]*\),.*page-faults.*/\1/p' "$work/perf"
}

# /usr/bin/time runs inside perf, so that the peak it reports is the program's own and not
# perf's; the page faults of time itself are counted once here and taken off every count.
time_faults=0
if [ $use_perf -eq 1 ]; then
  time_faults=$(($(perf_faults /usr/bin/time -o /dev/null true) - $(perf_faults true)))
fi

# run NAME COMMAND...: runs once; appends "microseconds faults peak_kb" to $work/NAME.
run() {
  local name="$1" start end faults peak
  shift
  start=$(date +%s%N)
  if [ $use_perf -eq 1 ]; then
    faults=$(($(perf_faults /usr/bin/time -f "%M" -o "$work/time" "$@") - time_faults))
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

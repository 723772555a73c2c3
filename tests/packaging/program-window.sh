# shellcheck shell=bash
# Sourced by the test scripts that start a program under Xvfb and wait for its window.

# use_32_bit_wine SOURCE_DIR SKIPPED: the 32-bit Wine (wine_loader and its environment, in the
# project's prefix unless WINEPREFIX names another) where make test-windows would choose it: only
# it runs the shipped 32-bit programs. Elsewhere the script ends as skipped (exit 77), saying
# SKIPPED and why.
use_32_bit_wine() {
  local choice
  command -v wine >/dev/null || { echo "$2: Wine is not installed"; exit 77; }
  choice=$("$1/scripts/wine-way.sh") || exit 1
  [ "${choice%% *}" = i686 ] || { echo "$2: no 32-bit Wine here: ${choice#* }"; exit 77; }
  export POTERINKO_WINE_ARCH=i686
  # shellcheck source=../../scripts/wine-env.sh
  source "$1/scripts/wine-env.sh"
}

# start_program LOG COMMAND...: starts it in the background, its output into LOG; stop_program
# (for the script's exit trap) ends it again if it still runs.
program_pid=
start_program() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 &
  program_pid=$!
}
stop_program() {
  [ -n "$program_pid" ] || return 1
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
}

# wait_for_window TITLE_REGEX LOG: prints the id of the first visible window whose title matches;
# returns 1, saying why on stderr, when the program ends first or after 30 seconds.
wait_for_window() {
  local title=$1 log=$2 window
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    kill -0 "$program_pid" 2>/dev/null || { echo "it ended early: $(cat "$log")" >&2; return 1; }
    sleep 0.1
  done
  echo "no window titled /$title/ appeared in 30 seconds" >&2
  return 1
}

#!/usr/bin/env bash
# Start-up as a user waits for it: from starting the process to its first painted frame on the
# X server, the board's GTK program against a bare GTK 3 window of the same size, side by side,
# interleaved, RUNS times, in an X server of our own (Xvfb, no window manager). Both programs
# end right after their first frame when POTERINKO_EXIT_AFTER_FIRST_FRAME is set.
#   startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build="${1:-build/default}"
runs="${2:-15}"
board="$build/app/poterinko"
bare="$build/bench/processes/bare_gtk_window"
for program in "$board" "$bare"; do
  [ -x "$program" ] || { echo "startup: $program not built" >&2; exit 1; }
done
for tool in Xvfb /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "startup: $tool missing" >&2; exit 1; }
done
work="$(mktemp -d)"
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=bench/processes/measure.sh
source "$(dirname "$0")/measure.sh"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "startup: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 POTERINKO_EXIT_AFTER_FIRST_FRAME=1

run board "$board"  # once unmeasured: the first run of all pays for cold caches
rm "$work/board"
for ((i = 0; i < runs; i++)); do
  run bare "$bare"
  run board "$board"
done

echo "GTK start to the first painted frame, medians of $runs interleaved runs; page faults by $(faults_by)"
echo "the board: $(ms board) ms, $(pf board) page faults; a bare GTK 3 window: $(ms bare) ms," \
  "$(pf bare) page faults; ratio $(ratio "$(ms board)" "$(ms bare)") (goal: at most 1.05)"

# shellcheck shell=bash
# Sourced by the test scripts that start a program under Xvfb and wait for its window.

# wait_for_window PID TITLE_REGEX LOG: prints the id of the first visible window whose title
# matches; returns 1, saying why on stderr, when the program ends first or after 30 seconds.
wait_for_window() {
  local pid=$1 title=$2 log=$3 window
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    kill -0 "$pid" 2>/dev/null || { echo "it ended early: $(cat "$log")" >&2; return 1; }
    sleep 0.1
  done
  echo "no window titled /$title/ appeared in 30 seconds" >&2
  return 1
}

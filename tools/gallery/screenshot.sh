#!/usr/bin/env bash
# Takes the gallery's picture for the README: the window under Xvfb with the mouse over the
# aiFrameLight button, so that the hover look shows.
#   tools/gallery/screenshot.sh BUILD_DIR [OUTPUT.png]
set -euo pipefail
build=${1:?build directory}
out=${2:-docs/gallery.png}
gallery=$build/tools/gallery/poterinko-gallery
[ -x "$gallery" ] || { echo "screenshot: $gallery not built" >&2; exit 1; }

run() {
  "$gallery" &
  gallery_pid=$!
  trap 'kill "$gallery_pid" 2>/dev/null || true' EXIT
  local wid
  wid=$(xdotool search --sync --name "poterinko gallery" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  # The hover row starts at (124, 104); buttons are 56 x 44, 58 apart; aiFrameLight is sixth.
  xdotool mousemove $((X + 124 + 5 * 58 + 28)) $((Y + 104 + 22))
  sleep 0.6
  import -window "$wid" "$out"
}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 800x560x24" "$0" "$@"
fi
run

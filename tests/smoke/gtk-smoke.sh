#!/usr/bin/env bash
# Smoke test of the board on GTK: run inside an X server of 1024 x 768 x 24 without a window
# manager (xvfb-run). The window must show exactly what the headless backend renders for the
# same state (the empty board), sit at (20, 20), and open its popup menu at the pointer on a
# right click.
#
# usage: gtk-smoke.sh POTERINKO POTERINKO_SCENARIO
set -euo pipefail

board=$1
scenario=$2
work=$(mktemp -d)
pid=
cleanup() {
  local status=$?
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
fail() { echo "gtk-smoke: $*" >&2; exit 1; }

export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1

# The headless rendering of the empty board.
printf 'shot %s\nclose\n' "$work/headless.png" | "$scenario" > "$work/scenario.log" ||
  fail "the scenario driver failed: $(cat "$work/scenario.log")"
[ -s "$work/headless.png" ] || fail "the scenario driver wrote no picture"

# The real window.
"$board" > "$work/board.log" 2>&1 &
pid=$!
title='ぽてりんこ - (右クリックでポップアップメニュー)'
window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "^${title//(/\\(}" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "poterinko ended early: $(cat "$work/board.log")"
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled '$title' appeared"

geometry=$(xwininfo -id "$window")
size=$(awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}' <<<"$geometry")
corner=$(awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x "," y}' <<<"$geometry")
[ "$size" = "652x593" ] || fail "the window is $size, not 652x593"
[ "$corner" = "20,20" ] || fail "the window is at $corner, not 20,20"

# Without a window manager the window is its client area. The first frame may take a moment.
differing=unknown
for _ in $(seq 50); do
  import -window "$window" "$work/window.png" 2>/dev/null || true
  differing=$(compare -metric AE "$work/window.png" "$work/headless.png" null: 2>&1 || true)
  [ "$differing" = "0" ] && break
  sleep 0.1
done
[ "$differing" = "0" ] ||
  fail "the window differs from the headless rendering in $differing pixels"

# A right click at client (300, 250) opens the popup menu with its corner at the pointer.
xdotool mousemove --window "$window" 300 250 click 3
menu=
for _ in $(seq 50); do
  menu=$(xwininfo -root -children | awk '/"poterinko"/ && $NF == "+320+270" {print $1}' | head -1)
  [ -n "$menu" ] && xwininfo -id "$menu" | grep -q 'Map State: IsViewable' && break
  menu=
  sleep 0.1
done
[ -n "$menu" ] || fail "no popup menu appeared at the pointer after a right click"
xdotool key Escape

echo "gtk-smoke: the window equals the headless board pixel for pixel; the popup menu opened"

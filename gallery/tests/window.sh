#!/usr/bin/env bash
# The gallery in a real window under Xvfb: the window "graph_gallery" shows the first
# example's snapshot, a key press shows the second, a click the third, and the end of the
# session (SIGTERM) ends the program with exit code 0.
# Exit 77 (skipped) when a tool the test needs is missing.
# usage: window.sh GRAPH_GALLERY
set -u
# shellcheck source=SCRIPTDIR/../../tests/support/window_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/support/window_test.sh" || exit 1
program=$1
xvfb_require_tools SKIP 77

# A display of our own: the first free number from 141 on.
xvfb_start 141 190

"$program" --out "$work/snapshots" 2>/dev/null || fail "--out failed"
mapfile -t order < <(grep -o '<img src="[^"]*"' "$work/snapshots/index.html" |
  sed 's/<img src="//; s/"$//')
[ ${#order[@]} -ge 3 ] || { echo "FAIL: fewer than three examples on the index page"; exit 1; }

window_program_start "$program" graph_gallery

wait_for_paints() {  # COUNT: waits until COUNT paints have rung; false if they do not come
  for _ in $(seq 1 100); do
    [ "$(count_bells)" -ge "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
shows() {  # PICTURE: the window's client area equals the snapshot, pixel for pixel
  sleep 0.3
  screenshot "$work/screen.png"
  same_picture "$work/screen.png" "$work/snapshots/$1"
}

wait_for_paints 1 || fail "the first paint did not come"
shows "${order[0]}" || fail "the window does not show ${order[0]}"
painted=$(count_bells)

xdotool key --window "$window" space
wait_for_paints $((painted + 1)) || fail "a key press did not paint"
shows "${order[1]}" || fail "after a key press the window does not show ${order[1]}"
painted=$(count_bells)

xdotool mousemove --window "$window" 200 200 click 1
wait_for_paints $((painted + 1)) || fail "a click did not paint"
shows "${order[2]}" || fail "after a click the window does not show ${order[2]}"

# The session ends: SDL turns SIGTERM into its quit event, which closes the window.
kill -TERM "$program_pid"
wait_for_program_end
[ $code -eq 0 ] || fail "the end of the session ends the program with exit code $code"

window_test_verdict "graph_gallery window"

#!/usr/bin/env bash
# The real program in a real window under Xvfb: the window "Ostrevan" appears at (0, 0), its
# client area shows exactly the snapshot's picture, an expose redraws the same picture, and a
# close request ends the program with exit code 0.
# usage: window.sh PROGRAM SEND_CLOSE
set -u
# shellcheck source=SCRIPTDIR/../support/window_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/window_test.sh" || exit 1
program=$1
send_close=$2
name=$(basename "$program")

xvfb_require_tools FAIL 1

# A display of our own: the first free number from 91 on.
xvfb_start 91 140

"$program" --snapshot "$work/snapshot.png" 2>/dev/null || fail "snapshot failed"

window_program_start "$program" Ostrevan
sleep 0.5

geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry" | grep -q "Position: 0,0" || fail "window not at (0, 0): $geometry"
echo "$geometry" | grep -q "Geometry: 632x453" || fail "client area is not 632x453: $geometry"

screenshot "$work/first.png"
same_picture "$work/first.png" "$work/snapshot.png" || fail "the window does not show the snapshot's picture"

# An expose: unmap and map the window again; the program paints the whole picture anew.
bells_before=$(count_bells)
xdotool windowunmap --sync "$window"
xdotool windowmap --sync "$window"
for _ in $(seq 1 50); do
  bells_after=$(count_bells)
  [ "$bells_after" -gt "$bells_before" ] && break
  sleep 0.1
done
[ "$bells_after" -gt "$bells_before" ] || fail "an expose did not run a paint"
sleep 0.3
screenshot "$work/second.png"
same_picture "$work/second.png" "$work/snapshot.png" || fail "the picture after an expose differs"

# The close request a window manager sends: the program ends with exit code 0.
"$send_close" "$window"
program_pid_done=$program_pid
wait_for_program_end
[ $code -eq 0 ] || fail "closing the window ends the program with exit code $code (pid $program_pid_done)"

window_test_verdict "$name window"

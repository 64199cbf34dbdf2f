#!/usr/bin/env bash
# The real program in a real window under Xvfb: the window "Ostrevan" appears at (0, 0), its
# client area shows exactly the snapshot's picture, an expose redraws the same picture, and a
# close request ends the program with exit code 0.
# usage: window.sh PROGRAM SEND_CLOSE
set -u
# shellcheck source=SCRIPTDIR/../support/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.sh" || exit 1
program=$1
send_close=$2
name=$(basename "$program")
work=$(mktemp -d)
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$work"
}
xvfb_at_exit cleanup
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

xvfb_require_tools FAIL 1

# A display of our own: the first free number from 91 on.
xvfb_start 91 140

"$program" --snapshot "$work/snapshot.png" 2>/dev/null || fail "snapshot failed"

# Under the sanitizer build, the display libraries SDL loads (libdbus) keep memory to the end of
# the process; leak checking of our own code is done by the in-memory tests.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$program" 2>"$work/err" &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ostrevan$' | head -1)
[ -n "$window" ] || { echo "FAIL: no window named Ostrevan appeared"; exit 1; }
sleep 0.5

geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry" | grep -q "Position: 0,0" || fail "window not at (0, 0): $geometry"
echo "$geometry" | grep -q "Geometry: 632x453" || fail "client area is not 632x453: $geometry"

screenshot() {  # FILE: the window's client area as a PNG
  import -window "$window" "$1" 2>/dev/null
}
same_picture() {  # A B: exit 0 when every pixel is equal
  local differing
  differing=$(compare -metric AE "$1" "$2" null: 2>&1)
  [ "$differing" = "0" ]
}

screenshot "$work/first.png"
same_picture "$work/first.png" "$work/snapshot.png" || fail "the window does not show the snapshot's picture"

# An expose: unmap and map the window again; the program paints the whole picture anew.
bells_before=$(od -An -tx1 "$work/err" | grep -o 07 | wc -l)
xdotool windowunmap --sync "$window"
xdotool windowmap --sync "$window"
for _ in $(seq 1 50); do
  bells_after=$(od -An -tx1 "$work/err" | grep -o 07 | wc -l)
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
code=124
for _ in $(seq 1 100); do
  if ! kill -0 "$program_pid" 2>/dev/null; then
    wait "$program_pid"; code=$?
    program_pid=""
    break
  fi
  sleep 0.1
done
# A program that did not end is left in program_pid for the clean-up to stop.
[ $code -eq 0 ] || fail "closing the window ends the program with exit code $code (pid $program_pid_done)"

if [ $failures -eq 0 ]; then echo "$name window: every check holds"; fi
[ $failures -eq 0 ]

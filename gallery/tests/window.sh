#!/usr/bin/env bash
# The gallery in a real window under Xvfb: the window "graph_gallery" shows the first
# example's snapshot, a key press shows the second, a click the third, and the end of the
# session (SIGTERM) ends the program with exit code 0.
# Exit 77 (skipped) when a tool the test needs is missing.
# usage: window.sh GRAPH_GALLERY
set -u
# shellcheck source=SCRIPTDIR/../../tests/support/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/support/xvfb.sh" || exit 1
program=$1
xvfb_require_tools SKIP 77
work=$(mktemp -d)
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$work"
}
xvfb_at_exit cleanup
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A display of our own: the first free number from 141 on.
xvfb_start 141 190

"$program" --out "$work/snapshots" 2>/dev/null || fail "--out failed"
mapfile -t order < <(grep -o '<img src="[^"]*"' "$work/snapshots/index.html" |
  sed 's/<img src="//; s/"$//')
[ ${#order[@]} -ge 3 ] || { echo "FAIL: fewer than three examples on the index page"; exit 1; }

# Under the sanitizers, libdbus (opened by SDL's video subsystem) leaves a few allocations at
# exit that LeakSanitizer reports as leaks of the program; the window process is run without
# leak detection. The gallery's own code is leak-checked by its unit tests.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$program" 2>"$work/err" &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^graph_gallery$' | head -1)
[ -n "$window" ] || { echo "FAIL: no window named graph_gallery appeared"; exit 1; }

bells() { od -An -tx1 "$work/err" | tr -s ' \n' '\n' | grep -c '^07$'; }
wait_for_paints() {  # COUNT: waits until COUNT paints have rung; false if they do not come
  for _ in $(seq 1 100); do
    [ "$(bells)" -ge "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
shows() {  # PICTURE: the window's client area equals the snapshot, pixel for pixel
  sleep 0.3
  import -window "$window" "$work/screen.png" 2>/dev/null
  [ "$(compare -metric AE "$work/screen.png" "$work/snapshots/$1" null: 2>&1)" = "0" ]
}

wait_for_paints 1 || fail "the first paint did not come"
shows "${order[0]}" || fail "the window does not show ${order[0]}"
painted=$(bells)

xdotool key --window "$window" space
wait_for_paints $((painted + 1)) || fail "a key press did not paint"
shows "${order[1]}" || fail "after a key press the window does not show ${order[1]}"
painted=$(bells)

xdotool mousemove --window "$window" 200 200 click 1
wait_for_paints $((painted + 1)) || fail "a click did not paint"
shows "${order[2]}" || fail "after a click the window does not show ${order[2]}"

# The session ends: SDL turns SIGTERM into its quit event, which closes the window.
kill -TERM "$program_pid"
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
[ $code -eq 0 ] || fail "the end of the session ends the program with exit code $code"

if [ $failures -eq 0 ]; then echo "graph_gallery window: every check holds"; fi
[ $failures -eq 0 ]

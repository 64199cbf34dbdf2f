#!/usr/bin/env bash
# The real program in a real window under Xvfb, exposed again and again: 1000 expose events,
# each answered by one whole paint (one bell on the program's error stream per paint), after
# which the window still shows exactly the snapshot's picture, and a close request still ends
# the program with exit code 0.
# usage: window_soak.sh PROGRAM SEND_CLOSE EXPOSE_SOAK [COUNT]
set -u
# shellcheck source=SCRIPTDIR/../support/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb.sh" || exit 1
program=$1
send_close=$2
expose_soak=$3
count=${4:-1000}
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

# A display of our own: the first free number from 141 on (window.sh takes 91 on).
xvfb_start 141 190

"$program" --snapshot "$work/snapshot.png" 2>/dev/null || fail "snapshot failed"

# Under the sanitizer build, the display libraries SDL loads (libdbus) keep memory to the end of
# the process; leak checking of our own code is done by the in-memory tests.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$program" 2>"$work/err" &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ostrevan$' | head -1)
[ -n "$window" ] || { echo "FAIL: no window named Ostrevan appeared"; exit 1; }
sleep 0.5

screenshot() {  # FILE: the window's client area as a PNG
  import -window "$window" "$1" 2>/dev/null
}
same_picture() {  # A B: exit 0 when every pixel is equal
  local differing
  differing=$(compare -metric AE "$1" "$2" null: 2>&1)
  [ "$differing" = "0" ]
}

screenshot "$work/before.png"
same_picture "$work/before.png" "$work/snapshot.png" || fail "the window does not show the snapshot's picture"

count_bells() { tr -cd '\a' <"$work/err" | wc -c; }
bells_before=$(count_bells)
"$expose_soak" "$window" "$count" "$work/err" || fail "not every expose event was answered by one paint"
bells_after=$(count_bells)
paints=$((bells_after - bells_before))
echo "$name: $paints paints for $count expose events"
[ "$paints" -eq "$count" ] || fail "$count expose events gave $paints paints"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended during the expose events"

sleep 0.3
screenshot "$work/after.png"
same_picture "$work/after.png" "$work/snapshot.png" || fail "the picture after $count expose events differs"

"$send_close" "$window"
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
[ $code -eq 0 ] || fail "closing the window after the expose events ends the program with exit code $code"

if [ $failures -eq 0 ]; then echo "$name window soak: every check holds"; fi
[ $failures -eq 0 ]

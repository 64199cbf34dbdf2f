#!/usr/bin/env bash
# The real program in a real window under Xvfb, exposed again and again: 1000 expose events,
# each answered by one whole paint (one bell on the program's error stream per paint), after
# which the window still shows exactly the snapshot's picture, and a close request still ends
# the program with exit code 0.
# usage: window_soak.sh PROGRAM SEND_CLOSE EXPOSE_SOAK [COUNT]
set -u
# shellcheck source=SCRIPTDIR/../support/window_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/window_test.sh" || exit 1
program=$1
send_close=$2
expose_soak=$3
count=${4:-1000}
name=$(basename "$program")

xvfb_require_tools FAIL 1

# A display of our own: the first free number from 141 on (window.sh takes 91 on).
xvfb_start 141 190

"$program" --snapshot "$work/snapshot.png" 2>/dev/null || fail "snapshot failed"

window_program_start "$program" Ostrevan
sleep 0.5

screenshot "$work/before.png"
same_picture "$work/before.png" "$work/snapshot.png" || fail "the window does not show the snapshot's picture"

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
wait_for_program_end
[ $code -eq 0 ] || fail "closing the window after the expose events ends the program with exit code $code"

window_test_verdict "$name window soak"

# shellcheck shell=bash
# What the window test scripts share, on top of xvfb.sh (which this file sources): a work
# folder, the count of failed checks, the program started in a window of its own, its bells,
# screenshots and pixel comparison, and the wait for the program's end.
#
#   fail MESSAGE            counts a failed check and says so ("FAIL: MESSAGE")
#   window_program_start PROGRAM TITLE
#                           starts PROGRAM with its error stream in $work/err and waits (up to
#                           20 s) for its visible window named TITLE: sets program_pid and
#                           window; ends the script with 1 when no such window appears
#   count_bells             the bells on the program's error stream so far (one per paint)
#   screenshot FILE         the window's client area as a PNG
#   same_picture A B        true when the two pictures are equal pixel for pixel
#   wait_for_program_end    waits up to 10 s for the program to end: sets code (124 when it
#                           did not end; the program is then left to the clean-up to stop)
#   window_test_verdict LABEL
#                           "LABEL: every check holds" when no check failed; the script's
#                           exit status follows
#
# Sets work (removed at exit), failures, program_pid, window, code.

# shellcheck source=SCRIPTDIR/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh" || exit 1

work=$(mktemp -d)
program_pid=""
window=""
code=124
failures=0
window_test_cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$work"
}
xvfb_at_exit window_test_cleanup

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Under the sanitizer build, the display libraries SDL loads (libdbus) keep memory to the end
# of the process; the window process runs without leak detection, and leak checking of our own
# code is done by the in-memory tests.
window_program_start() {
  local program=$1 title=$2
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$program" 2>"$work/err" &
  program_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -1)
  [ -n "$window" ] || {
    echo "FAIL: no window named $title appeared"
    exit 1
  }
}

count_bells() {
  tr -cd '\a' <"$work/err" | wc -c
}

screenshot() {
  import -window "$window" "$1" 2>/dev/null
}

same_picture() {
  local differing
  differing=$(compare -metric AE "$1" "$2" null: 2>&1)
  [ "$differing" = "0" ]
}

wait_for_program_end() {
  code=124
  for _ in $(seq 1 100); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
      wait "$program_pid"
      code=$?
      program_pid=""
      return
    fi
    sleep 0.1
  done
}

window_test_verdict() {
  if [ "$failures" -eq 0 ]; then echo "$1: every check holds"; fi
  [ "$failures" -eq 0 ]
}
